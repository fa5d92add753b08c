#pragma once

#include "RtfDocument.h"

#include <QByteArray>
#include <QWidget>

class QPagedPaintDevice;
class QTextEdit;

// A rich-text box that works on the RTF source itself, so that a document's
// own formatting survives byte for byte: loading a file and reading it back
// gives the same bytes, apart from the line end after the closing brace.
// Bytes are cp1252 (Latin-1) throughout, never re-encoded.
// Positions count visible characters from 0: a paragraph end is one
// carriage return, a tab one TAB (see RtfLexer for the rest).
// Shows the document read-only.
class RichTextBox : public QWidget
{
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Replaces the content with the RTF document in the file; nothing is
    // selected afterwards. A file that is missing, unreadable or not RTF
    // raises a UserError naming it and leaves the content as it was.
    void LoadFile(const QString &path);

    // Looks for `text`, matching case exactly (markers are found by their
    // bracket, and their words are compared exactly), in the selection when
    // text is selected, else in the whole content. On a match selects it and
    // returns its position; otherwise returns -1 and keeps the selection.
    int Find(const QString &text);

    int SelStart() const { return document_.SelStart(); }
    void SetSelStart(int start);  // selects nothing
    int SelLength() const { return document_.SelLength(); }
    // Counted from SelStart; a length beyond the end selects up to the end.
    void SetSelLength(int length);
    QString SelText() const { return document_.SelText(); }  // the selected text as plain text

    // Replaces the selection by `text`, inserted as plain text (a TAB as a
    // tab; a carriage return, a line feed or both as one paragraph end),
    // never read as RTF; control words and braces inside the selection are
    // kept (see RtfDocument::ReplaceSelection). Afterwards nothing is
    // selected and the insertion point stands behind the inserted text.
    void SetSelRTF(const QString &text);

    // The whole content as one RTF document: the header up to its first
    // "}}", the body, and the closing brace followed by "\r\n".
    QByteArray TextRTF() const { return document_.TextRTF(); }

    // Prints the selection, or the whole content when nothing is selected,
    // once, on the pages of `device` (a printer or a PDF writer), as a word
    // processor lays the document out: on its own paper size and within its
    // own margins where the device takes them, each line whole on one page.
    // Raises a UserError when the device cannot be printed on.
    void SelPrint(QPagedPaintDevice *device) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Changed();
    void Refresh();

    RtfDocument document_;
    QTextEdit *view_;
    bool stale_ = false;
    bool refreshQueued_ = false;
};
