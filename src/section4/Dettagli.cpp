#include "Dettagli.h"

namespace Dettagli {

namespace {

using T = TabellaDettaglio;

constexpr Qt::Alignment Dx = Qt::AlignRight | Qt::AlignVCenter;

// A column of free text, a number typed or computed, a choice from a list.
T::Colonna Testo(const char *titolo, int larghezza, const char *campo)
{
    return {{titolo, larghezza}, campo, T::Testo};
}
T::Colonna Numero(const char *titolo, int larghezza, const char *campo)
{
    return {{titolo, larghezza, {}, Dx}, campo, T::Numero};
}
T::Colonna Scelta(const char *titolo, int larghezza, const char *voci, const char *campo, T::Valore valore = T::Testo)
{
    return {{titolo, larghezza, voci}, campo, valore};
}

const char *const kTitoli = "Affitto|Acquisto|Altro";
const char *const kInternoEsterno = "Interno|Esterno";
// The eighth item is empty; "Direttori " ends with a blank.
const char *const kRisorse =
    "Segreteria e Amministrazione|Docenti|Codocenti|Tutors|Direttori |Coordinatori|Docenti impegnati nell'area "
    "dell'emarg.soc. e sost.disabili||Orientatori|Consulenti|Direttori di ricerca|Esperti|Ricercatori "
    "senior|Ricercatori junior|Rilevatori di dati";

// One grid of equipment: what differs from grid to grid is the width of
// the description.
T::Griglia Attrezzature(int indice, const char *totale, int descrizione)
{
    return {QString("VSFlexGrid10(%1)").arg(indice),
            totale,
            {
                Testo("Descrizione", descrizione, "Descrizione"),
                Numero("N°", 570, "NumeroUnita"),
                Scelta("Titolo di Acquisizione", 1875, kTitoli, "Titolo"),
                Numero("Importo Unitario", 1470, "Costo"),
                Numero("Totale", 960, "Totale"),
            }};
}

// One grid of the trainees' travel, board or lodging.
// The travel grid draws its figures in dark blue.
T::Griglia Raggiungimento(int indice, const char *totale, const char *conteggio)
{
    return {QString("VSFlexGrid2(%1)").arg(indice),
            totale,
            {
                Numero("Importo", 1455, "Importo"),
                Numero("N° Destinatari", 1320, "NAllievi"),
                Numero(conteggio, 900, "NViaggi"),
                Numero("Totale", 1440, "Totale"),
            },
            indice == 0 ? QColor(0, 0, 192) : QColor()};
}

// One grid of the stages' travel or stays.
T::Griglia Stages(int indice, const char *totale, const char *conteggio)
{
    return {QString("VSFlexGrid14(%1)").arg(indice),
            totale,
            {
                Numero("Importo Unitario", 1470, "Importo"),
                Numero("Persone", 810, "NPersone"),
                Numero(conteggio, 600, "NViaggi"),
                Numero("Totale", 1440, "Totale"),
            }};
}

// One grid of the staff's travel, board or full board.
T::Griglia ViaggioDocenti(int indice, const char *totale, const char *conteggio)
{
    return {QString("VSFlexGrid7(%1)").arg(indice),
            totale,
            {
                Numero("Importo Unitario", 1545, "Importo"),
                Numero("N° Persone", 960, "NPersone"),
                Numero(conteggio, 885, "NViaggi"),
                Numero("Totale", 1440, "Totale"),
            }};
}

}  // namespace

const TabellaDettaglio &AttrezzatureMateriale()
{
    static const T tabella = [] {
        T t;
        t.tabella = "AttrezzatureMateriale";
        t.chiave = "IdSez3";
        t.decisivo = "Totale";
        t.fattori = {1, 3};
        t.colonnaTotale = 4;
        t.griglie = {
            Attrezzature(0, "Text16", 3015),
            Attrezzature(1, "Text17", 3165),
            Attrezzature(2, "Text19", 3540),
        };
        return t;
    }();
    return tabella;
}

const TabellaDettaglio &MaterialiServizi()
{
    static const T tabella = [] {
        T t;
        t.tabella = "MaterialiServizi";
        t.chiave = "IdSez3";
        t.decisivo = "Costo";
        t.colonnaTotale = 1;
        t.griglie = {
            {"VSFlexGrid13(0)",
             "Text18",
             {
                 Testo("Descrizione", 6795, "Descrizione"),
                 Numero("Importo Totale", 570, "Costo"),
             }},
            // Its amounts add to the eleven running expenses in Text1(8).
            {"VSFlexGrid13(1)",
             "Text1(8)",
             {
                 Testo("Altro", 6840, "Descrizione"),
                 Numero("Importo", 1230, "Costo"),
             }},
        };
        return t;
    }();
    return tabella;
}

const TabellaDettaglio &SpeseRaggiungimento()
{
    static const T tabella = [] {
        T t;
        t.tabella = "SpeseRaggiungimento";
        t.chiave = "IdSez3";
        t.decisivo = "Totale";
        t.fattori = {0, 1, 2};
        t.colonnaTotale = 3;
        t.prosegueDopoErrore = true;
        t.griglie = {
            Raggiungimento(0, "Text4", "N° Viaggi"),
            Raggiungimento(1, "Text5", "N° Pasti"),
            Raggiungimento(2, "Text6", "N° Giorni"),
        };
        return t;
    }();
    return tabella;
}

const TabellaDettaglio &SpeseRisorse()
{
    static const T tabella = [] {
        T t;
        t.tabella = "SpeseRisorse";
        t.chiave = "IdSez3";
        t.tipo = false;
        t.decisivo = "Totale";
        t.fattori = {2, 3, 4};
        t.colonnaTotale = 5;
        t.griglie = {
            {"VSFlexGrid6",
             "Text33",
             {
                 Scelta("RISORSE", 3900, kRisorse, "Risorsa"),
                 Scelta("Int./Est.", 870, kInternoEsterno, "IntEst", T::Interno),
                 Numero("N°Sogg.", 720, "NSogg"),
                 Numero("N°ore/GG", 900, "OreGG"),
                 Numero("Costo", 1050, "Costo"),
                 Numero("Totale", 1245, "Totale"),
             }},
        };
        return t;
    }();
    return tabella;
}

const TabellaDettaglio &SpeseStages()
{
    static const T tabella = [] {
        T t;
        t.tabella = "SpeseStages";
        t.chiave = "IdSez3";
        t.decisivo = "Totale";
        t.fattori = {0, 1, 2};
        t.colonnaTotale = 3;
        t.griglie = {
            Stages(0, "Text20", "Viaggi"),
            Stages(1, "Text21", "Giorni"),
        };
        return t;
    }();
    return tabella;
}

const TabellaDettaglio &SpeseViaggioDocenti()
{
    static const T tabella = [] {
        T t;
        t.tabella = "SpeseViaggioDocenti";
        t.chiave = "IdSez3";
        t.decisivo = "Totale";
        t.fattori = {0, 1, 2};
        t.colonnaTotale = 3;
        t.riempieComeTesto = true;
        t.griglie = {
            ViaggioDocenti(0, "Text12", "N° Viaggi"), ViaggioDocenti(1, "Text13", "N° Pasti"),
            ViaggioDocenti(2, "Text14", "N° Giorni"), ViaggioDocenti(3, "Text8", "N° Giorni"),
            ViaggioDocenti(4, "Text10", "N° Pasti"),  ViaggioDocenti(5, "Text11", "N° Viaggi"),
        };
        return t;
    }();
    return tabella;
}

QList<const TabellaDettaglio *> Spese()
{
    return {&AttrezzatureMateriale(), &MaterialiServizi(), &SpeseRaggiungimento(),
            &SpeseRisorse(),          &SpeseStages(),      &SpeseViaggioDocenti()};
}

const TabellaDettaglio &ElencoAllegati()
{
    static const T tabella = [] {
        T t;
        t.tabella = "ElencoAllegati";
        t.chiave = "Id";
        t.tipo = false;
        t.decisivo = "NumeroAllegato";
        t.riempieComeTesto = true;
        t.rigaNuova = T::Entrando;
        t.griglie = {
            {"VSFlexGrid3",
             {},
             {
                 Numero("Numero Allegato", 1500, "NumeroAllegato"),
                 Testo("Descrizione Allegato", 690, "Descrizione"),
             },
             {},
             true},
        };
        return t;
    }();
    return tabella;
}

}  // namespace Dettagli
