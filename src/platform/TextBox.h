#pragma once

#include <QLineEdit>

// A one-line text box. What the user types or pastes is kept to one line
// (a line break becomes a blank) and to the box's limit, which never splits
// a character in two. A stored value longer than the limit is still shown
// whole by ShowWhole, so that storing it again does not cut it; the limit
// comes back with the next value that fits. Without a limit it takes any
// length.
// Writing its text from code announces a change (textChanged) even when the
// text stays the same, so that the handlers that compute other boxes from
// it run at every write and put right what another writer left there.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // The most characters the user may type; 0: no limit of our own.
    void SetLimit(int limit);
    int Limit() const { return limit_; }
    // Shows a value as it stands, however long, with its start in view.
    void ShowWhole(const QString &text);
    void setText(const QString &text);
    // The width at which the box shows this text whole, at its font, with
    // its frame and margins.
    int WidthShowing(const QString &text) const;

private:
    int limit_ = 0;
};
