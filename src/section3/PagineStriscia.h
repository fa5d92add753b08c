#pragma once

#include "ControlArray.h"

#include <QGroupBox>
#include <QRect>

class TabStrip;

// The pages of a tab strip: the frames of one control array, indexed from
// 1 like the strip's tabs, all on one spot of the frame that holds them,
// with the strip just above. Setta lays them out hidden and disabled;
// Mostra then shows, enables and raises the page of the selected tab, which
// is what each strip's click does. Enabling the strip only makes its tabs
// usable or not: the page shown stays.
class PagineStriscia
{
public:
    // The strip `striscia` and its pages `Nome(1)`, `Nome(2)`... at `posto`
    // (twips) inside `riquadro`.
    PagineStriscia(const QString &striscia, const QString &pagine, QWidget *riquadro, const QRect &posto);

    // Adds a tab and its page, titled `didascalia`; returns the page.
    QGroupBox *Aggiungi(const QString &scheda, const QString &suggerimento, const QString &didascalia);

    void Setta() const;
    void Mostra() const;
    // The page of the selected tab.
    QGroupBox *Scelta() const;

    TabStrip *Striscia = nullptr;
    ControlArray<QGroupBox> Pagine;

private:
    QWidget *riquadro_;
    QRect posto_;  // pixels
};
