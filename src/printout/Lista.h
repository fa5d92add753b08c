#pragma once

#include "FontiStampa.h"

#include <QString>
#include <QStringList>

class Recordset;

// The "Lista" catalogue of the templates: texts of one item per line, each
// ended by a carriage return. It keeps the target groups and sectors last
// listed, for the templates that repeat them. A key outside the catalogue
// gives three sample lines.
class Lista
{
public:
    explicit Lista(const FontiStampa &fonti) : fonti_(fonti) {}

    // The text of `chiave`; `apri` is the row the step prints (read by SedeoSedi2B).
    QString Valore(const QString &chiave, const Recordset *apri);

    // Forgets the kept texts: the print run starts with none.
    void SvuotaTesti();

    static QStringList Chiavi();
    static const QString Mancante;  // the text of a key outside the catalogue

private:
    QString Voci(const QString &lista) const;
    static QString Sedi(const QVariant &maschera);
    static QString Certificazioni();

    const FontiStampa &fonti_;
    QString destinatari_;  // the text last built for DestinatariIntervento
    QString settori_;      // the text last built for SettoriIntervento
};
