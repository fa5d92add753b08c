#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A placeholder of a print template, read from the visible text that starts
// at its "[" and ends at the first "]" within 50 characters:
//  - value marker "[" table word "!" field name "]": one value;
//  - list marker "[" table word "@" key field, one count character, one
//    type character "]": the rows of the table whose key field equals the
//    key (an "@" anywhere before the "]" makes a list marker).
struct Marcatore
{
    enum Genere { Valore, Lista };

    static constexpr int Massimo = 50;  // characters, brackets included

    // The marker at the start of `testo`, which begins with "[". Nothing when
    // it is malformed: no "]" within 50 characters, a value marker without
    // "!", an empty table word or field name, a list marker with fewer than
    // three characters between "@" and "]".
    static std::optional<Marcatore> Leggi(QStringView testo);

    // List markers: true when the rows are restricted by Tipo (a type
    // character whose numeric value is below 9; a non-digit counts as 0).
    bool FiltraTipo() const { return genere == Lista && ValoreTipo() < 9; }
    int ValoreTipo() const;

    Genere genere = Valore;
    int lunghezza = 0;  // characters, brackets included
    QString parola;     // the table word
    QString campo;      // value marker: the field name; list marker: the key field
    int ncampi = 0;     // list marker: position of the last field shown (a non-digit counts as 0)
    QChar tipo;         // list marker: the type character
};
