#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <deque>

class QPrinter;
class QWidget;

// Every message box, question, input box and file chooser of the program
// goes through here. Tests switch on the queue mode: answers are taken from
// a queue filled in advance and everything shown is recorded; a prompt that
// needs an answer and finds none aborts the test run instead of blocking.
class Dialogs
{
public:
    struct Shown
    {
        QString kind;  // "message", "question", "input", "open", "save", "folder", "print"
        QString text;
        QString title;  // empty: no title
        // File choosers: the folder they open in (or the file they propose)
        // and their filter.
        QString folder;
        QString filter;
    };

    // Message box with an OK button only and no title.
    static void MsgBox(const QString &text, QWidget *parent = nullptr);
    // Message box with an OK button only and the given title.
    static void MsgBox(const QString &text, const QString &title, QWidget *parent = nullptr);
    // Yes/No question; true for Yes.
    static bool YesNo(const QString &text, QWidget *parent = nullptr);
    // Yes/No question with the given title.
    static bool YesNo(const QString &text, const QString &title, QWidget *parent = nullptr);
    // Input box with one prompt, OK and Cancel; Cancel gives the empty text.
    static QString InputBox(const QString &prompt, const QString &title = {}, QWidget *parent = nullptr);
    // File chooser; the empty text when cancelled. The folder may name a
    // file, which is then proposed. The filter's patterns ("Immagini (*.bmp
    // *.gif)") match names whatever their case, as on Windows, and only
    // existing files can be chosen.
    static QString OpenFile(const QString &title, const QString &folder, const QString &filter,
                            QWidget *parent = nullptr);
    // The filter with every letter of its patterns matching either case:
    // "Immagini (*.gif)" gives "Immagini (*.[gG][iI][fF])".
    static QString AnyCaseFilter(const QString &filter);
    // File chooser for a file to write; the empty text when cancelled.
    static QString SaveFile(const QString &title, const QString &folder, const QString &filter,
                            QWidget *parent = nullptr);
    // The printer dialog, without a page range: the user picks the printer
    // and the number of copies, which stay in `printer` (copyCount). False
    // when cancelled. In queue mode the answer is PrinterAnswer's.
    static bool Printer(QPrinter &printer, QWidget *parent = nullptr);
    // Test support: the printer dialog's answer, `copies` copies (0: cancel)
    // printed into the PDF file `pdfFile`.
    static QVariant PrinterAnswer(int copies, const QString &pdfFile = {});
    // A generic answer for dialogs of later windows:
    // shows nothing interactive in queue mode and returns the queued answer.
    static QVariant Ask(const QString &kind, const QString &text, const QVariant &interactiveAnswer);

    // Test support.
    static void SetQueueMode(bool on);
    static bool QueueMode();
    static void Queue(const QVariant &answer);
    static void ClearQueue();
    static int Pending();
    static const QList<Shown> &History();
    static QStringList Messages();  // texts of the message boxes shown, in order
    static void ClearHistory();

private:
    static QVariant Next(const QString &kind, const QString &text);
};
