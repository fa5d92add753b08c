#pragma once

#include <QPlainTextEdit>

// A multi-line text box with a vertical scroll bar and an optional maximum
// length, like a single-line box's: what is typed or pasted beyond it is
// dropped.
// The Tab key moves the focus on instead of typing a tab.
class MultiLineEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget *parent = nullptr);

    // 0: no limit.
    void setMaxLength(int length);
    int maxLength() const { return maxLength_; }
    QString text() const { return toPlainText(); }
    void setText(const QString &text);

private:
    void Trim();

    int maxLength_ = 0;
    bool trimming_ = false;
    int insertedAt_ = 0;  // the last change: where and how much was added
    int inserted_ = 0;
};
