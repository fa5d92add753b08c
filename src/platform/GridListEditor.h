#pragma once

#include <QStyleOptionViewItem>
#include <QWidget>

#include <optional>

class QListWidget;

// The editor of a grid cell whose column has a list, shaped as a drop-down:
// the cell goes on showing its value, and the items drop down below it (above
// it where the screen has no room below) with the value's item highlighted.
// Only a click on an item, or Enter on the highlighted one (ChooseHighlighted),
// makes a choice; moving the highlight, Escape, Tab or a click elsewhere leave
// the value as it was, so what the cell shows is always what will be kept.
//
// Keys the grid passes to the editor move the highlight in the list as keys
// pressed in the open list do; Enter, Escape and Tab pressed in the open list
// go to the editor, where the grid handles them as for any cell.
class GridListEditor : public QWidget
{
    Q_OBJECT
public:
    GridListEditor(const QStringList &items, const QStyleOptionViewItem &cell, QWidget *parent);

    // The value the cell shows; its item, if it has one, highlighted.
    void SetValue(const QString &value);
    QString Value() const { return value_; }
    // Opens the list under (or over) the cell.
    void Drop();
    // The item highlighted becomes the choice; none highlighted, none made.
    void ChooseHighlighted();
    bool HasChoice() const { return choice_.has_value(); }
    QString Choice() const { return choice_.value_or(QString()); }
    QListWidget *List() const { return list_; }

signals:
    void Chosen();     // an item was clicked
    void Dismissed();  // the list closed by itself (a click outside it) without a choice

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    static bool EditKey(const QKeyEvent *key);
    static void Forward(const QKeyEvent *key, QObject *to);

    QListWidget *list_;
    QStyleOptionViewItem cell_;
    QString value_;
    std::optional<QString> choice_;
    bool closing_ = false;  // the editor itself is going: its list closes with it
};
