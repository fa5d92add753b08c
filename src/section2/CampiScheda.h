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

    // A new box of a record page: a line box, or a multi-line one for the
    // long texts. A maximum length of 0 leaves it unlimited; an empty
    // alignment leaves a line box's own.
    static QWidget *NuovaCasella(QWidget *padre, int lunghezza, bool multiriga, Qt::Alignment allineamento = {});
    static QString TestoCasella(const QWidget *casella);
    static void ImpostaTesto(QWidget *casella, const QString &testo);
    // A box's limit bounds what the user types, not what the field holds: a
    // longer stored value is shown whole, and so stored unchanged at the next
    // store. The box's own limit comes back with the next shorter value.
    static void MostraEntroLimite(QWidget *casella, const QString &testo, int limite);
    // The maximum length a box was given, 0 for a box without one.
    static int Limite(const QWidget *casella);
    // The value a box's text is stored as, by kind: Testo the text as typed;
    // Numero a 64-bit whole number (0 for what is not a number or is too
    // large to hold); Data a date (1 January 1900 for what is not one).
    static QVariant DaRegistrare(const QString &testo, Tipo tipo);
    // The text a box shows for a stored value, by kind.
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
