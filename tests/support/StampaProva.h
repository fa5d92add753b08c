#pragma once

// Fills print templates in tests: a rich-text box with its filler, the
// template written to a temporary file and loaded as the print run loads it.
#include "TestSupport.h"

#include "CaselleProva.h"
#include "RichTextBox.h"
#include "Riempitore.h"
#include "RtfLexer.h"

#include <QMap>

#include <climits>

// The header that every template carries, up to its first "}}".
inline const QByteArray IntestazioneProva = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}})";

inline QByteArray ModelloProva(const QByteArray &corpo)
{
    return IntestazioneProva + "\r\n" + corpo + "\r\n}\r\n";
}

// The braces of an RTF text balance and close the document at its end.
inline bool Bilanciato(const QByteArray &rtf)
{
    int profondita = 0;
    const std::vector<RtfToken> pezzi = RtfLexer::Tokenize(rtf);
    for (size_t i = 0; i < pezzi.size(); ++i) {
        profondita += pezzi[i].kind == RtfToken::GroupOpen ? 1 : pezzi[i].kind == RtfToken::GroupClose ? -1 : 0;
        if (profondita < 0 || (profondita == 0 && i + 1 < pezzi.size()))
            return false;
    }
    return profondita == 0;
}

class StampaProva
{
public:
    StampaProva()
    {
        riempitore.Fonti().sezione1 = &sezione1;
        riempitore.Fonti().sezione4 = &sezione4;
    }

    // Loads the template with this body and fills it; returns its visible text.
    QString Riempi(const QByteArray &corpo, const Recordset *apri = nullptr)
    {
        Carica(ModelloProva(corpo));
        riempitore.RiempeRText(apri);
        return Testo();
    }

    void Carica(const QByteArray &rtf)
    {
        const QString percorso = cartella.filePath("modello.rtf");
        WriteBytes(percorso, rtf);
        box.LoadFile(percorso);
    }

    QString Testo()
    {
        box.SetSelStart(0);
        box.SetSelLength(INT_MAX);
        const QString testo = box.SelText();
        box.SetSelStart(0);
        return testo;
    }

    QTemporaryDir cartella;
    RichTextBox box;
    Riempitore riempitore{box};
    CaselleProva sezione1;
    CaselleProva sezione4;
};
