#pragma once

// Whether what a window shows can be read whole at the program's font.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The columns that hold amounts in lire, by grid: the grid's name (of its
// control array, for a member) and the columns' indexes.
using ColonneImporti = QHash<QString, QList<int>>;

// What the window shows cut, one line each, naming the control: a caption
// (label, check box, option, button, frame title), tab, grid header or
// caption cell narrower or lower than its text; a control cut by the edge
// of what holds it or lying over another; tabs behind scroll arrows; an
// amount column too narrow for a grouped amount of 12 digits; a box
// captioned "Codice Fiscale" or "Partita IVA" too narrow for a code of full
// length. Empty when everything shows whole.
QStringList TestiTagliati(QWidget *finestra, const ColonneImporti &importi = {});

// The same for each tab of each tabbed control that the window shows, each
// tab chosen with a click on it; the tab first chosen is chosen again.
QStringList TestiTagliatiInOgniScheda(QWidget *finestra, const ColonneImporti &importi = {});
