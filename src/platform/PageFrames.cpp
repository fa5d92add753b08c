#include "PageFrames.h"

#include "PageTabOrder.h"
#include "Twips.h"

#include <QStyle>

namespace {

// Where every page frame of a form stands, in twips.
QRect PageRect()
{
    return TwipsRect(-15, -30, 9295, 7450);
}

}  // namespace

namespace PageFrames {

void PiazzaForm(const ControlArray<QFrame> &frames, int highest)
{
    for (int i = 0; i <= highest; ++i)
        if (QFrame *frame = frames[i])
            frame->setGeometry(PageRect());
}

QFrame *CreatePage(ControlArray<QFrame> &frames, int index, QWidget *form)
{
    QFrame *frame = frames.Create(index, form);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setGeometry(PageRect());
    new PageTabOrder(frame);
    return frame;
}

void ShowOnly(const ControlArray<QFrame> &frames, int index)
{
    for (const auto &[i, frame] : frames)
        if (i != index)
            frame->setVisible(false);
    if (QFrame *frame = frames[index]) {
        frame->setVisible(true);
        frame->raise();
    }
}

int VisibleIndex(const ControlArray<QFrame> &frames)
{
    for (const auto &[i, frame] : frames)
        if (!frame->isHidden())
            return i;
    return -1;
}

QToolButton *CreateArrow(ControlArray<QToolButton> &buttons, int index, QFrame *page, bool next)
{
    QToolButton *button = buttons.Create(index, page);
    button->setIcon(page->style()->standardIcon(next ? QStyle::SP_ArrowForward : QStyle::SP_ArrowBack));
    button->setToolTip(next ? QString("Avanti") : QString("Indietro"));
    // Small enough for the next button to lie inside its page frame.
    button->setGeometry(TwipsRect(next ? 8790 : 8000, 6950, 495, 435));
    button->setAutoRaise(false);
    return button;
}

QSize FormSize()
{
    return QSize(Twips(9295) - Twips(15), Twips(7450) - Twips(30));
}

}  // namespace PageFrames
