#include "MultiLineEdit.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

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

void MultiLineEdit::SetLimit(int limit)
{
    limit_ = std::max(limit, 0);
    allowed_ = limit_;
    Trim();
}

void MultiLineEdit::setText(const QString &text)
{
    if (text != toPlainText())
        setPlainText(text);
    else
        emit textChanged();
}

void MultiLineEdit::ShowWhole(const QString &text)
{
    allowed_ = limit_ > 0 ? std::max(limit_, int(text.size())) : 0;
    setText(text);
    allowed_ = limit_ > 0 ? std::max(limit_, int(toPlainText().size())) : 0;
}

void MultiLineEdit::Trim()
{
    if (trimming_ || allowed_ == 0)
        return;
    const QString current = toPlainText();
    int excess = int(current.size()) - allowed_;
    if (excess <= 0)
        return;
    trimming_ = true;
    // Drop the end of what was just added; when that is not enough (the
    // limit was lowered), the end of the text.
    const int end = insertedAt_ + inserted_;
    const bool fromInsertion = inserted_ >= excess && end <= current.size();
    int from = fromInsertion ? end - excess : allowed_;
    // Never keep half of a character.
    if (from > 0 && current[from - 1].isHighSurrogate()) {
        --from;
        ++excess;
    }
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(from + excess, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    inserted_ = 0;
    trimming_ = false;
}
