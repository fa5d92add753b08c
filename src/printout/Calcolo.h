#pragma once

#include "FontiStampa.h"

#include <QString>
#include <QStringList>

class Recordset;

// The "Calcolo" catalogue of the templates: values computed from stored
// codes and figures, from the boxes of sections 1 and 4 and from the chosen
// actions. A key outside the catalogue gives "Calcolo da effettuare".
class Calcolo
{
public:
    explicit Calcolo(const FontiStampa &fonti) : fonti_(fonti) {}

    // At the start of every filled template: the delegated-activities
    // heading shows again once.
    void Inizia() { primaIntestazione_ = true; }

    // The value of `chiave`; `apri` is the row the step prints (the keys
    // that read it: Tdisoccupati to TFAD, AT23B, TotaleOrePratica,
    // TitoloTDelegati), or nothing.
    QString Valore(const QString &chiave, const Recordset *apri);

    static QStringList Chiavi();
    static const QString Mancante;  // the text of a key outside the catalogue

private:
    // The financing split: five lines of label, TAB, amount, TAB, percentage
    // and "%", each ended by a carriage return.
    QString Kvr() const;
    // The action types of group 1, 2 or 3 chosen for the project, each
    // followed by a carriage return, and one more carriage return.
    QString AzioniGruppo(int gruppo) const;
    QString OperatoreDP() const;
    QString Anno(int dopo) const;
    QString TTDestin() const;
    QString IntestaTDelegati();
    QString Casella(const QString &nome) const;
    QString SommaCaselle(const QStringList &nomi) const;

    const FontiStampa &fonti_;
    bool primaIntestazione_ = true;
};
