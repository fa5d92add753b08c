#include "WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingCheckBox::WrappingCheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect WrappingCheckBox::CaptionRect(int width, int height) const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, width, height);
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const int left = indicator.right() + 1 + spacing;
    return QRect(left, 0, std::max(width - left, 1), height);
}

int WrappingCheckBox::LineCount(int width) const
{
    const QRect caption = CaptionRect(width, QWIDGETSIZE_MAX);
    const int height = fontMetrics().boundingRect(caption, kFlags, text()).height();
    return std::max(1, (height + fontMetrics().lineSpacing() / 2) / fontMetrics().lineSpacing());
}

int WrappingCheckBox::heightForWidth(int width) const
{
    const QRect caption = CaptionRect(width, QWIDGETSIZE_MAX);
    const int lines = fontMetrics().boundingRect(caption, kFlags, text()).height();
    return std::max(lines, QCheckBox::sizeHint().height());
}

QSize WrappingCheckBox::sizeHint() const
{
    return QCheckBox::sizeHint();
}

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect caption = CaptionRect(width(), height());
    // The indicator stands beside the first line of the caption.
    option.rect = QRect(0, 0, caption.left(), fontMetrics().height());
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, kFlags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(caption, kFlags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
