#pragma once

#include <QList>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QString;
class QWidget;

// A table of boxes in a frame: a caption over each column and one at the
// head of each row. Captions may be labels that other code re-titles (the
// history years). On a record page, a row of boxes may instead carry each
// box's caption above it (Fila, Sotto).
class TabellaCaselle
{
public:
    explicit TabellaCaselle(QWidget *cornice);
    void Intestazione(int colonna, QLabel *didascalia);
    QLabel *Intestazione(int colonna, const QString &testo);
    void Riga(QLabel *didascalia, const QList<QWidget *> &caselle);
    QLabel *Riga(const QString &didascalia, const QList<QWidget *> &caselle);
    QGridLayout *Griglia() const { return griglia_; }

    // A row of boxes, each under its caption, that share the row's width by
    // their stretch factors.
    static QHBoxLayout *Fila();
    // Adds a box under its caption to such a row; returns the caption.
    static QLabel *Sotto(QHBoxLayout *fila, const QString &didascalia, QWidget *casella, int fattore = 1);

private:
    QWidget *cornice_;
    QGridLayout *griglia_;
    int righe_ = 1;
};
