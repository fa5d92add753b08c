#pragma once

#include <QListWidget>

// A list box whose items carry a whole-number item data. Click fires once
// per choice, when the new selection stands, whether the user chose with
// the mouse or the keyboard or code chose through SetListIndex; choosing the
// selected item again (a click on it, or SetListIndex) fires it too. Clear,
// AddItem and RemoveItem never fire it, so rebuilding runs no click logic.
class ListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    void Clear();
    void AddItem(const QString &text, qint64 data = 0);
    void RemoveItem(int index);
    int ListCount() const { return count(); }
    int ListIndex() const;  // -1 when nothing is selected
    void SetListIndex(int index);
    QString List(int index) const;
    QString Text() const;  // the selected item's text, empty when none
    qint64 ItemData(int index) const;
    void SetItemData(int index, qint64 data);
    // Exact whole-text search ignoring case, -1 when none.
    int FindExact(const QString &text) const;
    // The first item carrying this data, -1 when none.
    int FindData(qint64 data) const;
    // Selects an item (-1: none) without running the click logic: undoes a
    // choice that could not be carried out.
    void Reselect(int index);

signals:
    void Click();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool rebuilding_ = false;
    int pressedSelected_ = -1;  // the selected item the mouse went down on
};
