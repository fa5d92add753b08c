#include "PaginaAzioni.h"

#include "Database.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Impaginazione.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Sezione3Form.h"
#include "Twips.h"

#include <QGroupBox>

namespace {

struct Gruppo
{
    const char *titolo;
    int primo, ultimo;  // check boxes of the group
};

const Gruppo kGruppi[] = {
    {"Azioni rivolte a sistemi", 0, 7},
    {"Azioni rivolte a persone", 8, 16},
    {"Azioni di diffusione", 17, 18},
};

const char *const kTipiAzione[PaginaAzioni::kTipi] = {
    "Formazione",
    "Supporto alla integrazione sistemi",
    "Orientamento / Consulenza",
    "Potenziamento attrezzature strutture",
    "Accompagnamento alle politiche occupazionali",
    "Sperimentazione figure integrazione",
    "Progettazione di percorsi",
    "Analisi dei fabbisogni - Studi ed analisi sui target e modalità attuative",
    "Orientamento / Consulenza",
    "Work experience",
    "Formazione",
    "Percorsi integrati di inserimento lavorativo",
    "Moduli professionalizzanti",
    "Borse di formazione",
    "Sostegno alla creazione d'impresa (incentivi)",
    "Sostegno al reddito (borse lavoro)",
    "Consulenza ed accompagnamento alla creazione d'impresa",
    "Sensibilizzazione, informazione e pubblicità",
    "Supporto all'efficacia delle misure",
};

constexpr int kRigaCasella = 240;

}  // namespace

PaginaAzioni::PaginaAzioni(Sezione3Form &form, Impaginazione &impagina, QFrame *pagina) : form_(form)
{
    // 30 twips down: the page starts above the window's top edge, which would cut the caption.
    QGroupBox *sezione = impagina.Riquadro(pagina, "SEZIONE 3", 45, 30, 9180, 6885);
    int top = 270;
    for (const Gruppo &gruppo : kGruppi) {
        const int righe = gruppo.ultimo - gruppo.primo + 1;
        const int altezza = Impaginazione::kTitolo + righe * kRigaCasella + 60;
        QGroupBox *riquadro = impagina.Riquadro(sezione, gruppo.titolo, 135, top, 8910, altezza);
        for (int i = gruppo.primo; i <= gruppo.ultimo; ++i) {
            const int riga = Impaginazione::kTitolo + (i - gruppo.primo) * kRigaCasella;
            form_.Check3.Create(i, riquadro, QString::fromUtf8(kTipiAzione[i]))
                ->setGeometry(TwipsRect(240, riga, 8500, kRigaCasella));
        }
        top += altezza + 60;
    }
}

void PaginaAzioni::RiempeCheckAzioni()
{
    // Without a current project no row is made under an Id that names none.
    if (!Sezione3Form::ProgettoCorrente())
        return;
    auto azioni = CercaRigaProgetto("Azioni", "ID");
    if (azioni->NoMatch()) {
        azioni->AddNew();
        azioni->SetField(0, IdProgetto);
        azioni->Update();
        for (int k = 1; k <= kTipi; ++k)
            form_.Check3[k - 1]->setChecked(false);
        return;
    }
    for (int k = 1; k <= kTipi; ++k)
        form_.Check3[k - 1]->setChecked(InteroMemorizzabile(azioni->Field(k)) > 0);
}

void PaginaAzioni::RegistraCheckAzioni()
{
    if (!Sezione3Form::ProgettoCorrente())
        return;
    auto azioni = CercaRigaProgetto("Azioni", "ID");
    if (azioni->NoMatch()) {
        Dialogs::MsgBox("TabAzioni incongruente");
        return;
    }
    auto spese = DB->OpenTable("SpeseSez3");
    spese->SetIndex("IdSez3");
    azioni->Edit();
    for (int k = 1; k <= kTipi; ++k) {
        const bool scelto = form_.Check3[k - 1]->isChecked();
        const qint64 chiave = InteroMemorizzabile(azioni->Field(k));
        if (scelto && chiave <= 0) {
            // The new record's key comes from its own insertion: the last row
            // of the table may belong to another project.
            spese->AddNew();
            spese->Update();
            azioni->SetField(k, spese->LastInsertedKey());
        } else if (!scelto && chiave > 0) {
            spese->Seek("=", chiave);
            azioni->SetField(k, qint64(0));
            if (!spese->NoMatch())
                spese->Delete();
        }
    }
    azioni->Update();
}
