#include "PaginaDestinatari.h"

#include "Database.h"
#include "ElenchiFissi.h"
#include "FieldBinding.h"
#include "Globali.h"
#include "Impaginazione.h"
#include "Recordset.h"
#include "Sezione3Form.h"
#include "Twips.h"
#include "WrappingCheckBox.h"

#include <QGroupBox>

#include <vector>

namespace {

// Position of the education levels in a row of DestinatariIntervento.
constexpr int kPrimaScolarita = 20;

const char *const kScolarita[] = {
    "Licenza Elementare",           "Licenza Media Inferiore", "Dipl. Istruzione Professionale",
    "Dipl. Scuola Media Superiore", "Diploma di Laurea",       "Diploma di Laurea Breve",
};

// The text boxes of the row, in Text1.
constexpr int kAltroPrecisare = 0;
constexpr int kTitoloStudio = 26;
constexpr int kEsperienze = 49;
constexpr int kServizi = 120;
constexpr int kAltroSettore = 122;

constexpr int kRiga = 225;    // a check box of one line
constexpr int kRigaIn = 195;  // each further line of its caption

// Check boxes in columns: the first box of each column, the columns' left
// edges and widths. A caption wider than its column takes more lines.
struct Colonne
{
    std::vector<int> primi, left, width;
};

void Incolonna(ControlArray<QCheckBox> &caselle, const QStringList &didascalie, QWidget *padre, const Colonne &colonne)
{
    const std::vector<int> &primi = colonne.primi, &left = colonne.left, &width = colonne.width;
    int colonna = -1, top = 0;
    for (int i = 0; i < int(didascalie.size()); ++i) {
        if (colonna + 1 < int(primi.size()) && i == primi[size_t(colonna + 1)]) {
            ++colonna;
            top = Impaginazione::kTitolo - 30;
        }
        auto *casella = new WrappingCheckBox(didascalie[i], padre);
        caselle.Add(i, casella);
        const int larghezza = width[size_t(colonna)];
        const int altezza = kRiga + (casella->LineCount(Twips(larghezza)) - 1) * kRigaIn;
        casella->setGeometry(TwipsRect(left[size_t(colonna)], top, larghezza, altezza));
        top += altezza;
    }
}

}  // namespace

PaginaDestinatari::PaginaDestinatari(Sezione3Form &form, Impaginazione &impagina, QFrame *pagina1, QFrame *pagina8)
    : form_(form)
{
    // 30 twips down: the page starts above the window's top edge, which would cut the caption.
    QGroupBox *sezione = impagina.Riquadro(pagina1, "SEZIONE 3", 45, 30, 9180, 6885);
    CreaDestinatari(sezione, impagina);
    CreaScolarita(sezione, impagina);
    CreaSettori(sezione, impagina);
    CreaCertificati(pagina8, impagina);
}

void PaginaDestinatari::CreaDestinatari(QWidget *sezione, Impaginazione &impagina)
{
    QGroupBox *riquadro = impagina.Riquadro(sezione, "Destinatari dell'Intervento", 75, 225, 9030, 2280);
    Incolonna(form_.Check1, ElenchiFissi::Destinatari(), riquadro, {{0, 7, 13}, {120, 3180, 6150}, {3000, 2940, 2850}});
}

void PaginaDestinatari::CreaScolarita(QWidget *sezione, Impaginazione &impagina)
{
    QGroupBox *riquadro = impagina.Riquadro(sezione, "Livello di Scolarità e", 75, 2535, 9030, 1680);
    impagina.Etichetta(riquadro, "requisiti min. richiesti per", 120, Impaginazione::kTitolo - 30, 2400);
    impagina.Etichetta(riquadro, "l'ammissione all'att. format.", 120, Impaginazione::kTitolo + 165, 2400);
    for (int i = 0; i < int(std::size(kScolarita)); ++i)
        form_.Option4.Create(i, QString::fromUtf8(kScolarita[i]), riquadro)
            ->setGeometry(TwipsRect(i < 3 ? 2580 : 5520, Impaginazione::kTitolo - 30 + (i % 3) * kRiga, 2850, kRiga));
    constexpr int kTesti = 960;
    impagina.CasellaSotto(kAltroPrecisare, "Altro", riquadro, 0, false, 120, kTesti, 2850, Impaginazione::kCasella);
    impagina.CasellaSotto(kTitoloStudio, "Titolo di Studio Preferenziale", riquadro, 0, false, 3060, kTesti, 2850,
                          Impaginazione::kCasella);
    impagina.CasellaSotto(kEsperienze, "Esperienze Specifiche", riquadro, 255, true, 6000, kTesti, 2910, 450);
}

void PaginaDestinatari::CreaSettori(QWidget *sezione, Impaginazione &impagina)
{
    QGroupBox *riquadro = impagina.Riquadro(sezione, "Settori di Intervento", 75, 4245, 9030, 2640);
    Incolonna(form_.Check4, ElenchiFissi::Settori(), riquadro, {{0, 8, 16}, {120, 3300, 5940}, {3090, 2550, 3000}});
    constexpr int kTesti = 2085;
    impagina.CasellaSotto(kServizi, "Servizi, specificare", riquadro, 120, false, 120, kTesti, 4350,
                          Impaginazione::kCasella);
    impagina.CasellaSotto(kAltroSettore, "Altro, specificare", riquadro, 120, false, 4590, kTesti, 4320,
                          Impaginazione::kCasella);
}

void PaginaDestinatari::CreaCertificati(QFrame *pagina, Impaginazione &impagina)
{
    QGroupBox *riquadro = impagina.Riquadro(pagina, "3.29  Certificazioni", 45, 5265, 9180, 1290);
    const QStringList &certificati = ElenchiFissi::Certificati();
    for (int i = 0; i < int(certificati.size()); ++i)
        form_.Check2.Create(i, riquadro, certificati[i])
            ->setGeometry(TwipsRect(i < 4 ? 135 : 4680, Impaginazione::kTitolo + (i % 4) * 240, 4400, 240));
}

FieldBinding PaginaDestinatari::Legame(const Recordset &riga) const
{
    FieldBinding legame;
    const auto flag = [&](QAbstractButton *casella, int posizione) {
        legame.Check(casella, riga.FieldName(posizione));
    };
    for (int i = 0; i < int(ElenchiFissi::Destinatari().size()); ++i)
        flag(form_.Check1[i], ElenchiFissi::PrimoDestinatario + i);
    // Each level is a flag of its own: a row with none shows none selected.
    for (int i = 0; i < int(std::size(kScolarita)); ++i)
        flag(form_.Option4[i], kPrimaScolarita + i);
    legame.Box(form_.Text1[kAltroPrecisare], "AltroPrecisare");
    legame.Box(form_.Text1[kTitoloStudio], "TitoloStudio");
    legame.Box(form_.Text1[kEsperienze], "Esperienze");
    for (int i = 0; i < int(ElenchiFissi::Settori().size()); ++i)
        flag(form_.Check4[i], ElenchiFissi::PrimoSettore + i);
    legame.Box(form_.Text1[kServizi], "Servizi");
    legame.Box(form_.Text1[kAltroSettore], "AltroSettore");
    for (int i = 0; i < int(ElenchiFissi::Certificati().size()); ++i)
        flag(form_.Check2[i], ElenchiFissi::PrimoCertificato + i);
    return legame;
}

void PaginaDestinatari::RegistraDestinatariIntervento()
{
    if (!PosizionaProgetto())
        return;
    auto riga = CercaRigaProgetto("DestinatariIntervento", "Id");
    if (riga->NoMatch())
        riga->AddNew();
    else
        riga->Edit();
    riga->SetField(0, IdProgetto);
    Legame(*riga).Store(*riga);
    riga->Update();
}

void PaginaDestinatari::RiempeDestinatariIntervento()
{
    if (!TrovaProgetto())
        return;
    auto riga = CercaRigaProgetto("DestinatariIntervento", "Id");
    if (riga->NoMatch())
        return;
    Legame(*riga).Fill(*riga);
}
