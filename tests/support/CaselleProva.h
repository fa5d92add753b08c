#pragma once

#include "Caselle.h"

#include <QMap>

// A window's boxes and lists as plain values, standing in for section 1's or
// section 4's window.
class CaselleProva : public Caselle
{
public:
    QString Testo(const QString &casella) const override { return testi.value(casella); }
    QStringList Voci(const QString &lista) const override { return liste.value(lista); }

    QMap<QString, QString> testi;
    QMap<QString, QStringList> liste;
};
