#include "Dettagli.h"

#include "Importi.h"

namespace Dettagli {

namespace {

using T = TabellaDettaglio;

constexpr Qt::Alignment Dx = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kImporto = Importi::kLarghezzaColonna;

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
// the description. The form gives the title 1545 to 1590, too narrow for
// its caption, and the amounts 1290 and 960.
T::Griglia Attrezzature(int indice, const char *totale, int descrizione)
{
    return {QString("VSFlexGrid10(%1)").arg(indice),
            totale,
            {
                Testo("Descrizione", descrizione, "Descrizione"),
                Numero("N°", 570, "NumeroUnita"),
                Scelta("Titolo di Acquisizione", 1875, kTitoli, "Titolo"),
                Numero("Importo Unitario", kImporto, "Costo"),
                Numero("Totale", kImporto, "Totale"),
            }};
}

// One grid of the trainees' travel, board or lodging. The form gives the
// counts 1170 to 1185 and 720 to 750, too narrow for their captions, and
// the amounts 1455 and 1440.
// The travel grid draws its figures in dark blue.
T::Griglia Raggiungimento(int indice, const char *totale, const char *conteggio)
{
    return {QString("VSFlexGrid2(%1)").arg(indice),
            totale,
            {
                Numero("Importo", kImporto, "Importo"),
                Numero("N° Destinatari", 1320, "NAllievi"),
                Numero(conteggio, 900, "NViaggi"),
                Numero("Totale", kImporto, "Totale"),
            },
            indice == 0 ? QColor(0, 0, 192) : QColor()};
}

// One grid of the stages' travel or stays. The form gives the counts 690
// and 570, too narrow for their captions, and the amounts 1260 and 1440.
T::Griglia Stages(int indice, const char *totale, const char *conteggio)
{
    return {QString("VSFlexGrid14(%1)").arg(indice),
            totale,
            {
                Numero("Importo Unitario", kImporto, "Importo"),
                Numero("Persone", 720, "NPersone"),
                Numero(conteggio, 600, "NViaggi"),
                Numero("Totale", kImporto, "Totale"),
            }};
}

// One grid of the staff's travel, board or full board. The form gives the
// persons 960, too narrow for their caption, and the total 1440.
T::Griglia ViaggioDocenti(int indice, const char *totale, const char *conteggio)
{
    return {QString("VSFlexGrid7(%1)").arg(indice),
            totale,
            {
                Numero("Importo Unitario", 1545, "Importo"),
                Numero("N° Persone", 975, "NPersone"),
                Numero(conteggio, 885, "NViaggi"),
                Numero("Totale", kImporto, "Totale"),
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
        // The form gives the third description 3540: its amounts take the room.
        t.griglie = {
            Attrezzature(0, "Text16", 3015),
            Attrezzature(1, "Text17", 3165),
            Attrezzature(2, "Text19", 3240),
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
        // The form gives the amounts 570 and 1230.
        t.griglie = {
            {"VSFlexGrid13(0)",
             "Text18",
             {
                 Testo("Descrizione", 6795, "Descrizione"),
                 Numero("Importo Totale", kImporto, "Costo"),
             }},
            // Its amounts add to the eleven running expenses in Text1(8).
            {"VSFlexGrid13(1)",
             "Text1(8)",
             {
                 Testo("Altro", 6840, "Descrizione"),
                 Numero("Importo", kImporto, "Costo"),
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
        // The form gives the resources 4200 (the amounts take the room), the
        // choice 705 (too narrow for "Esterno"), the counts 690 and 780 (too
        // narrow for their captions) and the amounts 1050 and 1245.
        t.griglie = {
            {"VSFlexGrid6",
             "Text33",
             {
                 Scelta("RISORSE", 3120, kRisorse, "Risorsa"),
                 Scelta("Int./Est.", 870, kInternoEsterno, "IntEst", T::Interno),
                 Numero("N°Sogg.", 735, "NSogg"),
                 Numero("N°ore/GG", 900, "OreGG"),
                 Numero("Costo", kImporto, "Costo"),
                 Numero("Totale", kImporto, "Totale"),
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
