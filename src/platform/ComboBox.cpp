#include "ComboBox.h"

#include <QLineEdit>

ComboBox::ComboBox(bool editable, QWidget *parent) : QComboBox(parent)
{
    setEditable(editable);
    if (editable)
        setInsertPolicy(QComboBox::NoInsert);
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!rebuilding_ && index >= 0)
            emit Click();
    });
    // Change is the edit field's: typing in it, or SetText. Choosing an
    // item is a Click only.
    if (editable)
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            if (!rebuilding_)
                emit Change();
        });
}

void ComboBox::Clear()
{
    rebuilding_ = true;
    clear();
    rebuilding_ = false;
}

void ComboBox::AddItem(const QString &text, qint64 data)
{
    rebuilding_ = true;
    const QString shown = isEditable() ? currentText() : QString();
    const int selected = currentIndex();
    addItem(text, data);
    // Adding the first item must not select it.
    setCurrentIndex(selected);
    if (isEditable() && selected < 0)
        lineEdit()->setText(shown);
    rebuilding_ = false;
}

int ComboBox::ListIndex() const
{
    if (currentIndex() < 0)
        return -1;
    if (isEditable() && currentText() != itemText(currentIndex()))
        return -1;
    return currentIndex();
}

void ComboBox::SetListIndex(int index)
{
    if (index < 0 || index >= count()) {
        rebuilding_ = true;
        setCurrentIndex(-1);
        if (isEditable())
            lineEdit()->clear();
        rebuilding_ = false;
        emit Change();
        return;
    }
    if (index == currentIndex()) {
        if (isEditable())
            lineEdit()->setText(itemText(index));
        emit Click();
        return;
    }
    setCurrentIndex(index);
}

qint64 ComboBox::ItemData(int index) const
{
    return itemData(index).toLongLong();
}

QString ComboBox::Text() const
{
    return currentText();
}

void ComboBox::SetText(const QString &text)
{
    if (isEditable()) {
        const int exact = findText(text, Qt::MatchFixedString);
        if (exact >= 0 && itemText(exact) == text) {
            SetListIndex(exact);
            return;
        }
        rebuilding_ = true;
        setCurrentIndex(-1);
        rebuilding_ = false;
        if (lineEdit()->text() != text) {
            lineEdit()->setText(text);
            emit Change();
        }
        return;
    }
    SetListIndex(FindExact(text));
}

int ComboBox::FindExact(const QString &text) const
{
    for (int i = 0; i < count(); ++i)
        if (itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
