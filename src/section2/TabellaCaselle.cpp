#include "TabellaCaselle.h"

#include <QGridLayout>
#include <QLabel>

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
