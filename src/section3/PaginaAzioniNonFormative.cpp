#include "PaginaAzioniNonFormative.h"

#include "EditorElenco.h"
#include "Impaginazione.h"
#include "Sezione3Form.h"

namespace {

const DefinizioneElenco kAzioni = {
    "ProgrammaAzione",
    "IDAzione",
    "List2",
    "Text9",
    "Command9",
    "Command10",
    "Command8",
    "Label13",
    "TabStrip3",
    "Frame46",
    "Titolo Azione",
    "Aggiungi Azione",
    "Elimina Azione",
    "Registra Azione",
    "Inserire il titolo dell'azione e ripremere il tasto AGGIUNGI AZIONE.",
    "Nome Azione già presente...",
    "Sei sicuro di voler eliminare l'azione selezionata%1 ?",
    "Scegliere nell'elenco l'azione da registrare e ripremere il tasto REGISTRA AZIONE.",
    "Inserire il titolo dell'azione e ripremere il tasto REGISTRA AZIONE.",
    true,
    {
        {"Durata", "Durata", "Durata"},
        {"Obiettivi e Contenuti", "Obiettivi e Contenuti", "Obiettivi, Metodologie e Contenuti"},
        {"Risorse", "Risorse umane impiegate nell'azione", "Risorse umane"},
        {"Sedi", "Sede o sedi", "Sedi"},
        {"Attrezzature", "Attrezzature", "Attrezzature"},
    },
};

// The three durations, top to bottom: box, label, field.
struct Durata
{
    int indice;
    const char *etichetta, *campo;
};
const Durata kDurate[] = {
    {6, "Durata in ore....", "DurataOre"},
    {5, "Durata in giorni....", "DurataGG"},
    {4, "Durata in mesi......", "DurataMesi"},
};

// The text pages: page, box, field.
struct Testo
{
    int pagina, indice;
    const char *campo;
};
const Testo kTesti[] = {{2, 1, "Obiettivi"}, {3, 3, "Risorse"}, {4, 31, "Localita"}, {5, 2, "Attrezzature"}};

}  // namespace

EditorElenco *CreaPaginaAzioniNonFormative(Sezione3Form &form, Impaginazione &impagina)
{
    auto *editor = new EditorElenco(form, impagina, form.RiquadroAzioni, kAzioni);
    int top = Impaginazione::kTitolo + 120;
    for (const Durata &durata : kDurate) {
        editor->CasellaNumero(impagina, 1, durata.indice, durata.etichetta, durata.campo, top);
        top += 450;
    }
    for (const Testo &testo : kTesti)
        editor->CasellaTesto(impagina, testo.pagina, testo.indice, testo.campo, testo.pagina == 3);
    return editor;
}
