#include "MultiLineEdit.h"

#include <QTextCursor>
#include <QTextDocument>

MultiLineEdit::MultiLineEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        insertedAt_ = position;
        inserted_ = added;
    });
    connect(this, &QPlainTextEdit::textChanged, this, &MultiLineEdit::Trim);
}

void MultiLineEdit::setMaxLength(int length)
{
    maxLength_ = length < 0 ? 0 : length;
    Trim();
}

void MultiLineEdit::setText(const QString &text)
{
    setPlainText(text);
}

void MultiLineEdit::Trim()
{
    if (trimming_ || maxLength_ == 0)
        return;
    const QString current = toPlainText();
    const int excess = int(current.size()) - maxLength_;
    if (excess <= 0)
        return;
    trimming_ = true;
    // Drop the end of what was just added; when that is not enough (the
    // limit was lowered), the end of the text.
    const int end = insertedAt_ + inserted_;
    const bool fromInsertion = inserted_ >= excess && end <= current.size();
    const int from = fromInsertion ? end - excess : maxLength_;
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(from + excess, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    inserted_ = 0;
    trimming_ = false;
}
