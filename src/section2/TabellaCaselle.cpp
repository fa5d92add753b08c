#include "TabellaCaselle.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TabellaCaselle::TabellaCaselle(QWidget *cornice) : cornice_(cornice), griglia_(new QGridLayout(cornice))
{
    griglia_->setContentsMargins(6, 4, 6, 4);
    griglia_->setHorizontalSpacing(6);
    griglia_->setVerticalSpacing(2);
}

void TabellaCaselle::Intestazione(int colonna, QLabel *didascalia)
{
    didascalia->setAlignment(Qt::AlignCenter);
    griglia_->addWidget(didascalia, 0, colonna + 1);
}

QLabel *TabellaCaselle::Intestazione(int colonna, const QString &testo)
{
    auto *didascalia = new QLabel(testo, cornice_);
    Intestazione(colonna, didascalia);
    return didascalia;
}

void TabellaCaselle::Riga(QLabel *didascalia, const QList<QWidget *> &caselle)
{
    griglia_->addWidget(didascalia, righe_, 0);
    if (!caselle.isEmpty())
        didascalia->setBuddy(caselle.first());
    for (int colonna = 0; colonna < caselle.size(); ++colonna)
        griglia_->addWidget(caselle[colonna], righe_, colonna + 1);
    ++righe_;
}

QLabel *TabellaCaselle::Riga(const QString &didascalia, const QList<QWidget *> &caselle)
{
    auto *etichetta = new QLabel(didascalia, cornice_);
    Riga(etichetta, caselle);
    return etichetta;
}

QHBoxLayout *TabellaCaselle::Fila()
{
    auto *fila = new QHBoxLayout;
    fila->setSpacing(6);
    fila->setContentsMargins(0, 0, 0, 0);
    return fila;
}

QLabel *TabellaCaselle::Sotto(QHBoxLayout *fila, const QString &didascalia, QWidget *casella, int fattore)
{
    auto *colonna = new QVBoxLayout;
    colonna->setSpacing(1);
    auto *etichetta = new QLabel(didascalia);
    etichetta->setBuddy(casella);
    colonna->addWidget(etichetta);
    colonna->addWidget(casella);
    fila->addLayout(colonna, fattore);
    return etichetta;
}
