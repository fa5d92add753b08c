#pragma once

#include "ControlArray.h"

#include <QFrame>
#include <QToolButton>

// The pages of a form: frames of one control array stacked at one position,
// with one visible at a time.
namespace PageFrames {

// Lays out frames 0..highest at left -15, top -30, 9295 by 7450 twips.
void PiazzaForm(const ControlArray<QFrame> &frames, int highest);
// Creates page frame `index` of the array on the form. Its Tab order follows
// its reading order, and its first control takes the focus when it is shown
// (PageTabOrder).
QFrame *CreatePage(ControlArray<QFrame> &frames, int index, QWidget *form);
// Shows the frame of this index and hides the others.
void ShowOnly(const ControlArray<QFrame> &frames, int index);
// The visible frame's index, -1 when none is visible.
int VisibleIndex(const ControlArray<QFrame> &frames);
// The previous and next picture buttons of a page, at left 8000 and 8790,
// top 6950, with the style's standard arrows.
QToolButton *CreateArrow(ControlArray<QToolButton> &buttons, int index, QFrame *page, bool next);
// The size of a form holding its pages.
QSize FormSize();

}  // namespace PageFrames
