#pragma once

#include <QComboBox>

// A combo box with whole-number item data. An editable combo's edit field can
// hold a text that is not among its items. Click fires when an item is
// selected, by the user or through SetListIndex; Change when the text is
// edited. Clear and AddItem fire neither.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(bool editable = true, QWidget *parent = nullptr);

    void Clear();
    void AddItem(const QString &text, qint64 data = 0);
    int ListCount() const { return count(); }
    int ListIndex() const;
    void SetListIndex(int index);  // -1 clears the selection
    QString List(int index) const { return itemText(index); }
    qint64 ItemData(int index) const;
    QString Text() const;
    void SetText(const QString &text);  // editable: shows the text; otherwise selects the item
    int FindExact(const QString &text) const;

signals:
    void Click();
    void Change();

private:
    bool rebuilding_ = false;
};
