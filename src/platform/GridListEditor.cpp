#include "GridListEditor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

GridListEditor::GridListEditor(const QStringList &items, const QStyleOptionViewItem &cell, QWidget *parent)
    : QWidget(parent), list_(new QListWidget(this)), cell_(cell)
{
    setFocusPolicy(Qt::StrongFocus);
    list_->setWindowFlags(Qt::Popup);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // as wide as its longest item
    list_->setMouseTracking(true);                                // the highlight follows the mouse
    const QFontMetrics metrics(cell.font);
    for (const QString &text : items) {
        auto *item = new QListWidgetItem(text, list_);
        item->setSizeHint(QSize(metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth(), cell.rect.height()));
    }
    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemEntered, this, [this](QListWidgetItem *item) { list_->setCurrentItem(item); });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        choice_ = item->text();
        emit Chosen();
    });
}

void GridListEditor::SetValue(const QString &value)
{
    value_ = value;
    const QList<QListWidgetItem *> found = list_->findItems(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    // A value that is not among the items (a stored one, a default)
    // highlights nothing.
    list_->setCurrentItem(found.isEmpty() ? nullptr : found.first());
    if (found.isEmpty())
        list_->clearSelection();
    update();
}

void GridListEditor::Drop()
{
    const int frame = 2 * list_->frameWidth();
    const int rows = std::max(1, list_->count()) * std::max(1, list_->sizeHintForRow(0));
    const QRect screen = this->screen()->availableGeometry();
    const int width = std::max(this->width(), list_->sizeHintForColumn(0) + frame);
    const int height = std::min(rows + frame, screen.height() / 2);
    QPoint at = mapToGlobal(QPoint(0, this->height()));
    if (at.y() + height > screen.bottom() + 1)
        at.setY(mapToGlobal(QPoint(0, 0)).y() - height);
    at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - width)));
    list_->setGeometry(QRect(at, QSize(width, height)));
    list_->show();
    if (list_->currentItem())
        list_->scrollToItem(list_->currentItem());
    list_->setFocus(Qt::PopupFocusReason);
}

void GridListEditor::ChooseHighlighted()
{
    if (const QListWidgetItem *item = list_->currentItem(); item && item->isSelected())
        choice_ = item->text();
}

void GridListEditor::paintEvent(QPaintEvent *)
{
    // The cell as the grid draws it, current, with the value it keeps.
    QStyleOptionViewItem option = cell_;
    option.rect = rect();
    option.text = value_;
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.state |= QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_Enabled | QStyle::State_Active;
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QWidget *view = option.widget ? option.widget : this;
    view->style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, view);
}

void GridListEditor::hideEvent(QHideEvent *event)
{
    // Hidden as the grid closes the editor: the list goes with it, and its
    // closing is no dismissal.
    closing_ = true;
    list_->hide();
    closing_ = false;
    QWidget::hideEvent(event);
}

bool GridListEditor::EditKey(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

void GridListEditor::Forward(const QKeyEvent *key, QObject *to)
{
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), ushort(key->count()));
    QCoreApplication::sendEvent(to, &copy);
}

void GridListEditor::keyPressEvent(QKeyEvent *event)
{
    // The keys that end an edit are the grid's; every other key moves the
    // highlight as in the open list.
    if (EditKey(event)) {
        event->ignore();
        return;
    }
    Forward(event, list_);
}

bool GridListEditor::eventFilter(QObject *object, QEvent *event)
{
    if (object != list_)
        return QWidget::eventFilter(object, event);
    if (event->type() == QEvent::KeyPress && EditKey(static_cast<QKeyEvent *>(event))) {
        // Pressed in the open list: the editor's, and so the grid's, to handle.
        Forward(static_cast<QKeyEvent *>(event), this);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        // While the list is open, a press anywhere else comes to it: a
        // drop-down closes then. (A scroll area passes no press on to the
        // close that QWidget gives popups.)
        if (!list_->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
            list_->close();
            return true;
        }
    }
    if (event->type() == QEvent::Hide && !closing_ && !choice_)
        emit Dismissed();
    return false;
}
