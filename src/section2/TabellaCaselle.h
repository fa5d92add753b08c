#pragma once

#include <QList>

class QGridLayout;
class QLabel;
class QString;
class QWidget;

// A table of boxes in a frame: a caption over each column and one at the
// head of each row. Captions may be labels that other code re-titles (the
// history years).
class TabellaCaselle
{
public:
    explicit TabellaCaselle(QWidget *cornice);
    void Intestazione(int colonna, QLabel *didascalia);
    QLabel *Intestazione(int colonna, const QString &testo);
    void Riga(QLabel *didascalia, const QList<QWidget *> &caselle);
    QLabel *Riga(const QString &didascalia, const QList<QWidget *> &caselle);
    QGridLayout *Griglia() const { return griglia_; }

private:
    QWidget *cornice_;
    QGridLayout *griglia_;
    int righe_ = 1;
};
