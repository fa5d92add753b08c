#pragma once

#include "Procedure.h"

#include <QList>
#include <QString>
#include <QVariant>

class QWidget;
class Recordset;

// The text boxes of one record page bound to the fields of its row, each
// stored and shown through the value rule of its kind. A box is a QLineEdit
// or, for the long texts, a MultiLineEdit.
class CampiScheda
{
public:
    enum Tipo { Testo = TipoTesto, Numero = TipoNumero, Data = TipoData };

    void Aggiungi(const QString &campo, QWidget *casella, Tipo tipo = Testo);

    // Writes every box into its field of the row being edited or added.
    void Registra(Recordset &riga) const;
    // Sets every box from its field of the current row.
    void Riempe(const Recordset &riga) const;
    // Empties every box.
    void Svuota() const;
    void Abilita(bool abilitate) const;

    static QString TestoCasella(const QWidget *casella);
    static void ImpostaTesto(QWidget *casella, const QString &testo);
    // A box's limit bounds what the user types, not what the field holds: a
    // longer stored value is shown whole, and so stored unchanged at the next
    // store. The box's own limit comes back with the next shorter value.
    static void MostraEntroLimite(QWidget *casella, const QString &testo, int limite);
    // The maximum length a box was given, 0 for a box without one.
    static int Limite(const QWidget *casella);
    // The value a box's text is stored as, by kind.
    static QVariant DaRegistrare(const QString &testo, Tipo tipo);
    // The text a stored value is shown as, by kind.
    static QString DaMostrare(const QVariant &valore, Tipo tipo);

private:
    struct Campo
    {
        QString nome;
        QWidget *casella;
        Tipo tipo;
        int limite;  // the box's own maximum length
    };
    QList<Campo> campi_;
};
