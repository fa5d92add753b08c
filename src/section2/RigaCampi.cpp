#include "RigaCampi.h"

#include <QLabel>
#include <QVBoxLayout>

RigaCampi::RigaCampi()
{
    setSpacing(6);
    setContentsMargins(0, 0, 0, 0);
}

QLabel *RigaCampi::Aggiungi(const QString &etichetta, QWidget *casella, int fattore)
{
    auto *colonna = new QVBoxLayout;
    colonna->setSpacing(1);
    auto *label = new QLabel(etichetta);
    colonna->addWidget(label);
    colonna->addWidget(casella);
    addLayout(colonna, fattore);
    return label;
}
