#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class GridInterface;
class QComboBox;
class QListWidget;

// Kinds of ValoreValido.
enum TipoValore { TipoTesto = 0, TipoNumero = 1, TipoData = 2 };

// The one rule for reading a stored or typed value:
//  kind 0: Null gives the empty text, anything else is returned unchanged;
//  kind 1: a number (or a text that reads as one under the user's regional
//          settings) rounded half away from zero, as a double; otherwise 0;
//  kind 2: a date or a text that reads as a date is returned unchanged,
//          anything else gives the text "01/01/1900";
//  any other kind gives the empty value. Never throws.
QVariant ValoreValido(const QVariant &valore, int tipo);

// The date a text reads as under the rule of ValoreValido kind 2; an invalid
// date when it is not one. Lets a date typed in any accepted form be stored.
QDate DataDaTesto(const QString &testo);

// The whole number to store for a value read as a number (kind 1): plain
// digits are taken exactly, beyond what a double holds; a figure too large
// for a stored whole number gives 0, so one absurd figure never stops the
// rest of a window from being stored.
qint64 InteroMemorizzabile(const QVariant &valore);

// True when the text reads as a number under the user's regional settings.
bool TestoNumerico(const QString &testo, double *valore = nullptr);

// Whole-number sum of one grid column over the rows below the header; the
// grid's current cell is left as it was. A column outside the grid gives 0.
double SommaColonna(const GridInterface &griglia, int colonna);

// Index of the first item whose whole text equals the text, ignoring case; -1 when none.
int CercaCombo(const QComboBox *combo, const QString &testo);
int CercaLista(const QListWidget *lista, const QString &testo);
int CercaListaEsatta(const QListWidget *lista, const QString &testo);

// The file name after the last path separator; empty when the path holds no
// "." or no separator.
QString EstraiNomeFile(const QString &percorso);

// The time stamp of Principale.UltimaModifica: "DD/MM/YY HH:MM:SS".
QString TimbroModifica(const QDateTime &quando);
