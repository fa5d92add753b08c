#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>

namespace {

bool queueMode = false;
std::deque<QVariant> answers;
QList<Dialogs::Shown> history;

QWidget *Owner(QWidget *parent)
{
    return parent ? parent : QApplication::activeWindow();
}

void Record(const QString &kind, const QString &text, const QString &title = QString(),
            const QString &folder = QString(), const QString &filter = QString())
{
    history << Dialogs::Shown{kind, text, title, folder, filter};
}

}  // namespace

QVariant Dialogs::Next(const QString &kind, const QString &text)
{
    if (answers.empty()) {
        std::fprintf(stderr, "FAIL: %s \"%s\" shown with no queued answer\n", qPrintable(kind), qPrintable(text));
        std::fflush(stderr);
        std::abort();
    }
    QVariant answer = answers.front();
    answers.pop_front();
    return answer;
}

void Dialogs::MsgBox(const QString &text, QWidget *parent)
{
    Record("message", text);
    if (queueMode)
        return;
    QMessageBox box(QMessageBox::NoIcon, QString(" "), text, QMessageBox::Ok, Owner(parent));
    box.exec();
}

void Dialogs::MsgBox(const QString &text, const QString &title, QWidget *parent)
{
    Record("message", text, title);
    if (queueMode)
        return;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, Owner(parent));
    box.exec();
}

bool Dialogs::YesNo(const QString &text, QWidget *parent)
{
    return YesNo(text, QString(), parent);
}

bool Dialogs::YesNo(const QString &text, const QString &title, QWidget *parent)
{
    Record("question", text, title);
    if (queueMode)
        return Next("question", text).toBool();
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? QString(" ") : title, text,
                    QMessageBox::Yes | QMessageBox::No, Owner(parent));
    return box.exec() == QMessageBox::Yes;
}

QString Dialogs::InputBox(const QString &prompt, const QString &title, QWidget *parent)
{
    Record("input", prompt);
    if (queueMode)
        return Next("input", prompt).toString();
    bool ok = false;
    const QString answer = QInputDialog::getText(Owner(parent), title.isEmpty() ? QString(" ") : title, prompt,
                                                 QLineEdit::Normal, QString(), &ok);
    return ok ? answer : QString();
}

QString Dialogs::AnyCaseFilter(const QString &filter)
{
    QStringList filters = filter.split(";;");
    for (QString &one : filters) {
        const qsizetype open = one.lastIndexOf('(');
        const qsizetype close = one.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        QString patterns;
        for (const QChar c : one.mid(open + 1, close - open - 1))
            patterns += c.toLower() != c.toUpper() ? QString("[%1%2]").arg(c.toLower(), c.toUpper()) : QString(c);
        one = one.left(open + 1) + patterns + one.mid(close);
    }
    return filters.join(";;");
}

QString Dialogs::OpenFile(const QString &title, const QString &folder, const QString &filter, QWidget *parent)
{
    Record("open", title, QString(), folder, filter);
    if (queueMode)
        return Next("open", title).toString();
    // Only the filter's name shows: its patterns carry the letter classes
    // that make them match either case.
    return QFileDialog::getOpenFileName(Owner(parent), title, folder, AnyCaseFilter(filter), nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

QString Dialogs::SaveFile(const QString &title, const QString &folder, const QString &filter, QWidget *parent)
{
    Record("save", title, QString(), folder, filter);
    if (queueMode)
        return Next("save", title).toString();
    return QFileDialog::getSaveFileName(Owner(parent), title, folder, filter);
}

bool Dialogs::Printer(QPrinter &printer, QWidget *parent)
{
    Record("print", QString());
    if (queueMode) {
        const QVariantMap answer = Next("print", QString()).toMap();
        const int copies = answer.value("copies").toInt();
        if (copies <= 0)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer.value("pdf").toString());
        printer.setCopyCount(copies);
        return true;
    }
    QPrintDialog dialog(&printer, Owner(parent));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

QVariant Dialogs::PrinterAnswer(int copies, const QString &pdfFile)
{
    return QVariantMap{{"copies", copies}, {"pdf", pdfFile}};
}

QVariant Dialogs::Ask(const QString &kind, const QString &text, const QVariant &interactiveAnswer)
{
    Record(kind, text);
    if (queueMode)
        return Next(kind, text);
    return interactiveAnswer;
}

void Dialogs::SetQueueMode(bool on)
{
    queueMode = on;
}

bool Dialogs::QueueMode()
{
    return queueMode;
}

void Dialogs::Queue(const QVariant &answer)
{
    answers.push_back(answer);
}

void Dialogs::ClearQueue()
{
    answers.clear();
}

int Dialogs::Pending()
{
    return int(answers.size());
}

const QList<Dialogs::Shown> &Dialogs::History()
{
    return history;
}

QStringList Dialogs::Messages()
{
    QStringList texts;
    for (const Shown &shown : history)
        if (shown.kind == "message")
            texts << shown.text;
    return texts;
}

void Dialogs::ClearHistory()
{
    history.clear();
}
