#include "PaginaModuli.h"

#include "EditorElenco.h"
#include "GrigliaAttrezzature.h"
#include "Impaginazione.h"
#include "Sezione3Form.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLineEdit>

namespace {

const DefinizioneElenco kModuli = {
    "ProgrammaDidattico",
    "IDModulo",
    "List1",
    "Text5",
    "Command6",
    "Command5",
    "Command7",
    "Label12",
    "TabStrip1",
    "Frame31",
    "Titolo Modulo",
    "Aggiungi Modulo",
    "Elimina Modulo",
    "Registra Modulo",
    "Inserire il titolo del modulo e ripremere il tasto AGGIUNGI MODULO.",
    "Nome Modulo già presente...",
    "Sei sicuro di voler eliminare il modulo %1?",
    "Scegliere nell'elenco il modulo da registrare e ripremere il tasto REGISTRA MODULO.",
    "Inserire il titolo del modulo e ripremere il tasto REGISTRA MODULO.",
    false,
    {
        {"Durata Modulo", "Durata del Modulo in ore", "Durata del Modulo in Ore"},
        {"Obiettivi e Contenuti", "Obiettivi Didattici e Contenuti", "Obiettivi Didattici e Contenuti"},
        {"Docenti", "Profili Docenti", "Docenti"},
        {"Sedi", "Sede o Sedi", "Sedi"},
        {"Attrezzature", "Attrezzature", "Attrezzature"},
        {"Materiali Didattici", "Materiali Didattici", "Materiali Didattici"},
    },
};

// The hour boxes Text1(50) to Text1(54) and their fields.
struct Ore
{
    int indice;
    const char *etichetta, *campo;
    bool rientrata;  // one of the practice hours, indented under theory
};
const Ore kOre[] = {
    {50, "Teoria....", "Teoria", false},           {51, "Stage....", "Stage", true},
    {52, "Visite Didattiche....", "Visite", true}, {53, "Esercitazioni Didattiche....", "Esercitazioni", true},
    {54, "Projects Work....", "Project", true},
};

// The text pages: box, field, page.
struct Testo
{
    int indice;
    const char *campo;
    int pagina;
};
const Testo kTesti[] = {{55, "Obiettivi", 2}, {56, "Docenti", 3}, {57, "Locali", 4}, {58, "Materiali", 6}};

constexpr int kRiga = 390;  // one hour row

// Page 1: the five hours, then the practice hours and the total duration,
// each box followed by "N° Ore".
void CreaOre(EditorElenco &editor, Sezione3Form &form, Impaginazione &impagina)
{
    QGroupBox *pagina = editor.Pagina(1);
    int numero = 0;
    // The top of the next row, with its "N° Ore".
    const auto riga = [&] {
        const int top = Impaginazione::kTitolo + 60 + numero++ * kRiga;
        impagina.Etichetta(pagina, QString::fromUtf8("N° Ore"),
                           EditorElenco::kSinistraNumero + EditorElenco::kLarghezzaNumero + 120, top + 60, 900);
        return top;
    };
    for (const Ore &ore : kOre)
        editor.CasellaNumero(impagina, 1, ore.indice, ore.etichetta, ore.campo, riga(), ore.rientrata ? 360 : 0);
    const auto risultato = [&](const char *nome, const QString &etichetta) {
        const int top = riga();
        impagina.Etichetta(pagina, etichetta, 240, top + 60, EditorElenco::kSinistraNumero - 300);
        auto *casella = new QLineEdit(pagina);
        casella->setObjectName(nome);
        casella->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        casella->setEnabled(false);
        casella->setGeometry(
            TwipsRect(EditorElenco::kSinistraNumero, top, EditorElenco::kLarghezzaNumero, Impaginazione::kCasella));
        return casella;
    };
    form.Text10 = risultato("Text10", "Pratica....");
    form.Text6 = risultato("Text6", "Durata Complessiva....");
    editor.Lega(form.Text6, "DurataComplessiva", FieldBinding::Number, true);
}

}  // namespace

EditorElenco *CreaPaginaModuli(Sezione3Form &form, Impaginazione &impagina)
{
    auto *editor = new EditorElenco(form, impagina, form.RiquadroModuli, kModuli);
    CreaOre(*editor, form, impagina);
    for (const Testo &testo : kTesti)
        editor->CasellaTesto(impagina, testo.pagina, testo.indice, testo.campo, testo.pagina == 3);
    auto *griglia = new GrigliaAttrezzature(editor->Pagina(5), QRect(60, Impaginazione::kTitolo, 8460, 2970));
    editor->Affianca(griglia);
    return editor;
}
