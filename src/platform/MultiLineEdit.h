#pragma once

#include <QPlainTextEdit>

// A multi-line text box with a vertical scroll bar and an optional limit,
// like a one-line box's: what is typed or pasted beyond it is dropped, and
// the limit never splits a character in two. A stored value longer than the
// limit is still shown whole by ShowWhole, so that storing it again does not
// cut it; the limit comes back with the next value that fits.
// The Tab key moves the focus on instead of typing a tab. Setting the text
// it already shows keeps the view and the cursor where they are; the change
// is announced all the same, as for a one-line box, so that the handlers
// that compute from the box run at every write.
class MultiLineEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget *parent = nullptr);

    // The most characters the user may type; 0: no limit.
    void SetLimit(int limit);
    int Limit() const { return limit_; }
    QString text() const { return toPlainText(); }
    void setText(const QString &text);
    // Shows a value as it stands, however long.
    void ShowWhole(const QString &text);

private:
    void Trim();

    int limit_ = 0;
    int allowed_ = 0;  // the limit, or the length of a longer value shown whole
    bool trimming_ = false;
    int insertedAt_ = 0;  // the last change: where and how much was added
    int inserted_ = 0;
};
