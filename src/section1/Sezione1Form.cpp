#include "Sezione1Form.h"

#include "ComboBox.h"
#include "Database.h"
#include "DisplayGrid.h"
#include "ElenchiFissi.h"
#include "ErrorGuard.h"
#include "Globali.h"
#include "ListBox.h"
#include "Memorizza.h"
#include "NumberFormat.h"
#include "PageFrames.h"
#include "PianoSezione2.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"
#include "RiepilogoProgetto.h"
#include "RipartizioneFinanziamento.h"
#include "TextBox.h"
#include "Twips.h"
#include "Velkaro.h"
#include "WaitCursor.h"

#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>

namespace {

double Numero(const QString &testo)
{
    return ValoreValido(testo, TipoNumero).toDouble();
}

QLabel *Etichetta(const QString &testo, QWidget *compagno, QWidget *parent)
{
    auto *label = new QLabel(testo, parent);
    if (compagno)
        label->setBuddy(compagno);
    return label;
}

QFont Grassetto(QFont font)
{
    font.setBold(true);
    return font;
}

// The widths of the financing grid's columns, in twips. The form gives the
// first 1825, too narrow for the bold caption "Quota Soggetto 30%".
constexpr int kColonneGrid1[] = {1950, 1790, 1790, 1790, 1790};

// A titled frame laid out as a grid of captions and boxes.
QGroupBox *Riquadro(const QString &titolo, const QString &nome, QWidget *parent)
{
    auto *riquadro = new QGroupBox(titolo, parent);
    riquadro->setObjectName(nome);
    auto *griglia = new QGridLayout(riquadro);
    griglia->setContentsMargins(4, 2, 4, 3);
    griglia->setHorizontalSpacing(6);
    griglia->setVerticalSpacing(1);
    return riquadro;
}

QGridLayout *Griglia(QGroupBox *riquadro)
{
    return static_cast<QGridLayout *>(riquadro->layout());
}

}  // namespace

Sezione1Form::Sezione1Form()
{
    setObjectName("Sezione1Form");
    setWindowTitle("Sezione 1");
    setFixedSize(PageFrames::FormSize());
    CreaControlli();
}

// ---------------------------------------------------------------- controls

TextBox *Sezione1Form::Casella(int index, int lunghezza, bool numerica, QWidget *parent)
{
    TextBox *casella = Text1.Create(index, parent);
    casella->SetLimit(lunghezza);
    if (numerica)
        casella->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(casella, &QLineEdit::textChanged, this, [this, index] { Text1_Change(index); });
    return casella;
}

void Sezione1Form::CreaControlli()
{
    QFrame *pagina = PageFrames::CreatePage(Frame1, 0, this);
    auto *colonna = new QVBoxLayout(pagina);
    // The bottom margin keeps the content clear of the two arrows.
    colonna->setContentsMargins(3, 3, 3, Twips(7450 - 6950) + 2);
    colonna->setSpacing(2);

    auto *titolo = new QLabel("SEZIONE 1", pagina);
    titolo->setFont(Grassetto(titolo->font()));
    colonna->addWidget(titolo);
    colonna->addWidget(CreaSoggettoProponente(pagina));
    colonna->addWidget(CreaCostoProgetto(pagina));
    colonna->addStretch(1);

    QToolButton *indietro = PageFrames::CreateArrow(Command1, 0, pagina, false);
    QToolButton *avanti = PageFrames::CreateArrow(Command2, 0, pagina, true);
    connect(indietro, &QToolButton::clicked, this, &Sezione1Form::Command1_Click);
    connect(avanti, &QToolButton::clicked, this, &Sezione1Form::Command2_Click);

    // The design-time state: these selections run no click logic.
    Option1.Select(0);
    Option4.Select(0);
    Option3.Select(0);
    Frame7->setVisible(false);
    connect(&Option1, &OptionGroup::Click, this, &Sezione1Form::Option1_Click);
    connect(&Option3, &OptionGroup::Click, this, &Sezione1Form::Option3_Click);
    connect(&Option4, &OptionGroup::Click, this, &Sezione1Form::Option4_Click);
    LegaCampi();
}

// The fields of the project's two rows, in the order in which they are
// filled: the cost comes after the hours and trainees, whose totals its
// change handler reads.
void Sezione1Form::LegaCampi()
{
    enum { P = 0, S = 1 };
    using K = FieldBinding::Kind;
    const auto testo = [this](int i, const char *campo) { campi_.Box(Text1[i], campo, K::Text, P); };
    testo(0, "Oggetto");
    testo(1, "CodiceEnte");
    campi_.Box(Text1[2], "Cofinanziamento", K::Number, P);
    campi_.Check(Option4[0], "OperatoreDP", P);
    campi_.Check(Option4[1], "OperatoreDPrivato", P);
    campi_.Check(Option5[0], "FiniLucro", P);
    campi_.Check(Option5[1], "NofiniLucro", P);
    campi_.Options(&Option1, "AttivitaFormativa", P);
    testo(3, "RagioneSociale");
    testo(4, "Natura");
    testo(5, "PIVA");
    testo(6, "CF");
    testo(7, "Indirizzo");
    testo(8, "Cap");
    testo(9, "Comune");
    testo(10, "Provincia");
    testo(11, "Telefono");
    testo(12, "Fax");
    testo(13, "Asse");
    testo(14, "Misura");
    campi_.Box(Text1[18], "OreTeoria", K::Number, S);
    campi_.Box(Text1[19], "OrePratica", K::Number, S);
    campi_.Box(Text1[20], "Allievi", K::Number, S);
    campi_.Box(Text1[21], "Allieve", K::Number, S);
    campi_.Box(Text1[17], "CostoProgetto", K::Number, S);
}

QWidget *Sezione1Form::CreaSoggettoProponente(QWidget *pagina)
{
    QGroupBox *riquadro = Riquadro("1.1 Soggetto Proponente", "Frame2", pagina);
    QGridLayout *griglia = Griglia(riquadro);
    for (int c = 0; c < 6; ++c)
        griglia->setColumnStretch(c, 1);
    // A caption above its box.
    const auto campo = [&](const QString &testo, QWidget *box, int riga, int col, int span) {
        griglia->addWidget(Etichetta(testo, box, riquadro), riga, col, 1, span);
        griglia->addWidget(box, riga + 1, col, 1, span);
    };

    // The project.
    campo("Intervento Oggetto dell'iniziativa", Casella(0, 120, false, riquadro), 0, 0, 4);
    campo("Codice ENTE", Casella(1, 20, false, riquadro), 0, 4, 1);
    Combo4 = new ComboBox(true, riquadro);
    Combo4->setObjectName("Combo4");
    campo("Priorità", Combo4, 0, 5, 1);

    auto *attivita = new QHBoxLayout;
    attivita->setSpacing(12);
    attivita->addWidget(new QLabel("Attività Formativa per...", riquadro));
    attivita->addWidget(Option1.Create(0, "Disoccupati", riquadro));
    attivita->addWidget(Option1.Create(1, "Conto di Soggetti Terzi", riquadro));
    attivita->addWidget(Option1.Create(2, "Personale Dipendente", riquadro));
    attivita->addStretch(1);
    griglia->addLayout(attivita, 2, 0, 1, 6);

    auto *linea = new QFrame(riquadro);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    griglia->addWidget(linea, 3, 0, 1, 6);

    // The proposer.
    auto *operatore = new QHBoxLayout;
    operatore->setSpacing(12);
    operatore->addWidget(new QLabel("Operatore di Diritto...", riquadro));
    operatore->addWidget(Option4.Create(0, "Pubblico", riquadro));
    operatore->addWidget(Option4.Create(1, "Privato", riquadro));
    // An untitled frame: a group box would reserve room for a title.
    Frame7 = new QFrame(riquadro);
    Frame7->setObjectName("Frame7");
    Frame7->setFrameShape(QFrame::StyledPanel);
    auto *lucro = new QHBoxLayout(Frame7);
    lucro->setContentsMargins(8, 1, 8, 1);
    lucro->setSpacing(12);
    lucro->addWidget(Option5.Create(0, "con fini di lucro", Frame7));
    lucro->addWidget(Option5.Create(1, "senza fini di lucro", Frame7));
    operatore->addWidget(Frame7);
    operatore->addStretch(1);
    griglia->addLayout(operatore, 4, 0, 1, 6);

    campo("Denominazione / Ragione Sociale", Casella(3, 120, false, riquadro), 5, 0, 2);
    campo("Natura Giuridica", Casella(4, 120, false, riquadro), 5, 2, 2);
    TextBox *partitaIva = Casella(5, 16, false, riquadro);
    TextBox *codiceFiscale = Casella(6, 16, false, riquadro);
    campo("Partita IVA", partitaIva, 5, 4, 1);
    campo("Codice Fiscale", codiceFiscale, 5, 5, 1);
    // Widened: a sixth of the frame shows only 12 characters of a code.
    // These two columns are as wide as an 11-digit VAT number and a
    // 16-character fiscal code (its letters taken as wide as an M) need;
    // the other four share what is left.
    griglia->setColumnMinimumWidth(4, partitaIva->WidthShowing("00000000000"));
    griglia->setColumnMinimumWidth(5, codiceFiscale->WidthShowing("MMMMMM00M00M000M"));
    campo("Indirizzo", Casella(7, 120, false, riquadro), 7, 0, 2);
    // The postal code is a code, not an amount: leading zeros count.
    campo("C.A.P.", Casella(8, 10, false, riquadro), 7, 2, 1);
    campo("Comune", Casella(9, 120, false, riquadro), 7, 3, 2);
    campo("Provincia", Casella(10, 4, false, riquadro), 7, 5, 1);
    campo("Telefono/Fax", Casella(11, 20, false, riquadro), 9, 0, 1);
    campo("E-Mail", Casella(12, 120, false, riquadro), 9, 1, 3);
    campo("Asse", Casella(14, 20, false, riquadro), 9, 4, 1);
    campo("Misura", Casella(13, 20, false, riquadro), 9, 5, 1);
    return riquadro;
}

QWidget *Sezione1Form::CreaCostoProgetto(QWidget *pagina)
{
    QGroupBox *riquadro = Riquadro("1.2 Costo del Progetto", "Frame3", pagina);
    QGridLayout *griglia = Griglia(riquadro);
    griglia->setContentsMargins(0, 2, 0, 3);  // the financing grid takes the page's whole width

    TextBox *costo = Casella(17, 50, true, riquadro);
    griglia->addWidget(Etichetta("Costo Complessivo del Progetto", costo, riquadro), 0, 0);
    griglia->addWidget(costo, 1, 0);
    TextBox *cofinanziamento = Casella(2, 50, true, riquadro);
    griglia->addWidget(Etichetta("Cofinanziamento terzi", cofinanziamento, riquadro), 0, 1);
    griglia->addWidget(cofinanziamento, 1, 1);
    // The pair stands beside the two boxes and is read after them, as one.
    auto *coppia = new QWidget(riquadro);
    auto *opzioni = new QVBoxLayout(coppia);
    opzioni->setContentsMargins(0, 0, 0, 0);
    opzioni->setSpacing(griglia->verticalSpacing());
    opzioni->addWidget(Option3.Create(0, "Formazione sul Lavoro Occupati", coppia));
    opzioni->addWidget(Option3.Create(1, "Interventi per disoccupati", coppia));
    griglia->addWidget(coppia, 0, 3, 2, 1);
    griglia->setColumnStretch(0, 2);
    griglia->setColumnStretch(1, 2);
    griglia->setColumnStretch(2, 1);

    MSFlexGrid1 = new DisplayGrid(2, 5, riquadro);
    MSFlexGrid1->setObjectName("MSFlexGrid1");
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int larghezza = 2 * MSFlexGrid1->frameWidth();
    for (int twips : kColonneGrid1)
        larghezza += Twips(twips);
    MSFlexGrid1->setFixedSize(larghezza, 2 * Twips(255) + 2 * MSFlexGrid1->frameWidth());
    griglia->addWidget(MSFlexGrid1, 2, 0, 1, 4, Qt::AlignHCenter);
    griglia->setRowMinimumHeight(2, MSFlexGrid1->height() + 3);

    griglia->addWidget(CreaRiepilogo(riquadro), 3, 0, 1, 4);
    return riquadro;
}

QWidget *Sezione1Form::CreaRiepilogo(QWidget *parent)
{
    QGroupBox *riquadro = Riquadro("Riepilogo Dati Progetto", "Frame4", parent);
    QGridLayout *griglia = Griglia(riquadro);
    griglia->setVerticalSpacing(1);

    const auto numerica = [&](QLineEdit *box) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedWidth(52);
        return box;
    };
    const auto derivata = [&](const QString &nome) {
        auto *box = new QLineEdit(riquadro);
        box->setObjectName(nome);
        return numerica(box);
    };
    griglia->addWidget(new QLabel("Ore", riquadro), 0, 1, Qt::AlignHCenter);
    griglia->addWidget(new QLabel("Destinatari", riquadro), 0, 3, Qt::AlignHCenter);
    const auto riga = [&](int r, const QString &a, QLineEdit *ore, const QString &b, QLineEdit *allievi) {
        griglia->addWidget(Etichetta(a, ore, riquadro), r, 0);
        griglia->addWidget(ore, r, 1);
        griglia->addWidget(Etichetta(b, allievi, riquadro), r, 2);
        griglia->addWidget(allievi, r, 3);
    };
    // Made one by one: the order of a call's arguments is not the order of
    // their evaluation.
    TextBox *teoria = Casella(18, 0, true, riquadro);
    TextBox *pratica = Casella(19, 0, true, riquadro);
    TextBox *uomini = Casella(20, 0, true, riquadro);
    TextBox *donne = Casella(21, 0, true, riquadro);
    riga(1, "Teoria", numerica(teoria), "Uomini", numerica(uomini));
    riga(2, "Pratica", numerica(pratica), "Donne", numerica(donne));
    Text2 = derivata("Text2");
    Text3 = derivata("Text3");
    riga(3, "Totale", Text2, "Totale", Text3);

    Text4 = derivata("Text4");
    Text4->setReadOnly(true);
    Text4->setFixedWidth(80);
    auto *costoOrario = Etichetta("Costo Orario per Destinatario", Text4, riquadro);
    costoOrario->setWordWrap(true);
    costoOrario->setFixedWidth(90);
    costoOrario->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    griglia->addWidget(costoOrario, 0, 4, 2, 1);
    griglia->addWidget(Text4, 2, 4, Qt::AlignHCenter);

    List2 = new ListBox(riquadro);
    List2->setObjectName("List2");
    List1 = new ListBox(riquadro);
    List1->setObjectName("List1");
    for (ListBox *lista : {List2, List1}) {
        // As tall as the three rows of boxes beside them.
        lista->setMinimumHeight(Twips(330));
        lista->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
        // Long labels wrap instead of hiding behind a scroll bar.
        lista->setWordWrap(true);
        // Alternating rows tell a wrapped label from the next one.
        lista->setAlternatingRowColors(true);
        lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    griglia->addWidget(Etichetta("Destinatari Intervento", List2, riquadro), 0, 5);
    griglia->addWidget(List2, 1, 5, 3, 1);
    griglia->addWidget(Etichetta("Settori Intervento", List1, riquadro), 0, 6);
    griglia->addWidget(List1, 1, 6, 3, 1);
    griglia->setColumnStretch(5, 1);
    griglia->setColumnStretch(6, 1);
    return riquadro;
}

void Sezione1Form::PiazzaForm()
{
    PageFrames::PiazzaForm(Frame1, NumeroFrame);
}

void Sezione1Form::RiempiCombos()
{
    Combo4->Clear();
    for (int i = 0; i <= 9; ++i)
        Combo4->AddItem(QString::number(i));
}

void Sezione1Form::RiempiArray()
{
    Destinatari = ElenchiFissi::Destinatari();
    Settori = ElenchiFissi::SettoriRiepilogo();
}

// ---------------------------------------------------------------- lifecycle

void Sezione1Form::Form_Load()
{
    WaitCursor clessidra;
    CalcolaPagineSezione2(0);
    RiempiCombos();
    RiempiArray();
    NumeroFrame = 0;
    PiazzaForm();
    // The window shows itself, also when it is only loaded (the printout).
    if (QMdiSubWindow *cornice = SubWindow())
        cornice->show();
    show();
    RiempiTutto();
}

void Sezione1Form::Form_Activate()
{
    WaitCursor clessidra;
    RiempiTutto();
}

void Sezione1Form::RiempiTutto()
{
    Riempi(*this, {"finestra"}, [this] {
        RiempiCampi();
        RiempeDestinatariIntervento();
        CalcolaGrid1();
    });
}

void Sezione1Form::Form_Deactivate()
{
    WaitCursor clessidra;
    Memorizza(*this, [this] { RegistraCampi(); });
}

void Sezione1Form::Form_Unload()
{
    Memorizza(*this, [this] { RegistraCampi(); });
}

// Leaving for the introduction stores through the deactivation.
void Sezione1Form::Command1_Click()
{
    if (Velkaro *principale = Velkaro::Istanza())
        principale->ApriFinestra("IntroduzioneForm");
}

void Sezione1Form::Command2_Click()
{
    Guarded([this] {
        if (!Memorizza(*this, [this] { RegistraCampi(); }))
            return;
        if (!TrovaProgetto())
            return;
        if (Velkaro *principale = Velkaro::Istanza())
            principale->ApriFinestra("Sezione2Form");
    });
}

// ---------------------------------------------------------------- storing and filling

void Sezione1Form::RegistraCampi()
{
    if (!PosizionaProgetto())
        return;
    Recordset &p = *TabPrincipale;
    Recordset &s = *TabSecondario;
    campi_.Store({&p, &s});
    p.SetField("Priorita", InteroMemorizzabile(Combo4->Text()));
    p.SetField("UsufruitoKVR", Option3[0]->isChecked());
    p.SetField("UltimaModifica", TimbroModifica(QDateTime::currentDateTime()));
    p.Update();
    s.Update();
}

void Sezione1Form::RiempiCampi()
{
    if (!TrovaProgetto())
        return;
    const Recordset &p = *TabPrincipale;
    // A priority outside the ten items stays visible in the edit field, so
    // the next store keeps it.
    const QString priorita = ValoreValido(p.Field("Priorita"), TipoTesto).toString();
    const int voce = CercaCombo(Combo4, priorita);
    if (voce >= 0)
        Combo4->SetListIndex(voce);
    else
        Combo4->SetText(priorita);
    // Each option takes its field's value; a type outside the three options
    // selects none, and the page plan follows the type shown.
    campi_.Fill({TabPrincipale.get(), TabSecondario.get()});
    Option3.Select(p.Field("UsufruitoKVR").toBool() ? 0 : 1);
    CalcolaTotali();
    CalcolaCostoOrario("#,###.###");
}

void Sezione1Form::RiempeDestinatariIntervento()
{
    List1->Clear();
    List2->Clear();
    if (!TrovaProgetto())
        return;
    auto tabella = DB->OpenTable("DestinatariIntervento");
    tabella->SetIndex("Id");
    tabella->Seek("=", IdProgetto);
    if (tabella->NoMatch()) {
        tabella->Close();
        return;
    }
    for (int i = 0; i < int(Destinatari.size()); ++i)
        if (tabella->Field(ElenchiFissi::PrimoDestinatario + i).toBool())
            List2->AddItem(Destinatari[i]);
    for (int j = 0; j < int(Settori.size()); ++j)
        if (ValoreValido(tabella->Field(ElenchiFissi::PrimoSettore + j), TipoNumero).toDouble() != 0)
            List1->AddItem(Settori[j]);
    tabella->Close();
}

// ---------------------------------------------------------------- derived values

void Sezione1Form::TestataGrid1(int A, int B, int C, int D, int E)
{
    MSFlexGrid1->SetCols(5);
    MSFlexGrid1->SetRows(2);
    const int percentuali[] = {A, B, C, D, E};
    const char *didascalie[] = {"Quota Soggetto ", "Fin.Pubblico ", "Quota K.V.R. ", "Quota F.D.R. ", "Quota Regione "};
    for (int k = 0; k < 5; ++k) {
        MSFlexGrid1->SetColWidth(k, kColonneGrid1[k]);
        MSFlexGrid1->SetTextMatrix(0, k, QString("%1%2%").arg(didascalie[k]).arg(percentuali[k]));
    }
    MSFlexGrid1->SetRow(1);
}

void Sezione1Form::CalcolaGrid1()
{
    const RipartizioneFinanziamento r =
        RipartizioneFinanziamento::Calcola(Numero(Text1[17]->text()), Option3[0]->isChecked());
    const auto &p = r.percentuali;
    TestataGrid1(p[0], p[1], p[2], p[3], p[4]);
    for (int k = 0; k < RipartizioneFinanziamento::kQuote; ++k)
        MSFlexGrid1->SetTextMatrix(1, k, FormatNumber(r.quote[k], "#,###"));
}

void Sezione1Form::CalcolaTotali()
{
    using RiepilogoProgetto::TestoTotale;
    using RiepilogoProgetto::Totale;
    Text2->setText(TestoTotale(Totale(Numero(Text1[19]->text()), Numero(Text1[18]->text()))));
    Text3->setText(TestoTotale(Totale(Numero(Text1[21]->text()), Numero(Text1[20]->text()))));
}

// The cost per trainee-hour, from the totals as their boxes show them, read
// like every other amount of the window. Without both totals there is no
// figure to show: an old one would be stale, and the printout copies
// whatever the box holds.
void Sezione1Form::CalcolaCostoOrario(const QString &formato)
{
    const std::optional<double> costo =
        RiepilogoProgetto::CostoOrario(Numero(Text1[17]->text()), Numero(Text2->text()), Numero(Text3->text()));
    if (costo)
        Text4->setText(FormatNumber(*costo, formato));
    else
        Text4->clear();
}

void Sezione1Form::Text1_Change(int Index)
{
    if (Index != 17)
        return;
    CalcolaGrid1();
    CalcolaCostoOrario("#,###");
}

void Sezione1Form::Option1_Click(int)
{
    for (int i = 0; i < 3; ++i)
        if (Option1[i]->isChecked()) {
            CalcolaPagineSezione2(i);
            return;
        }
}

void Sezione1Form::Option3_Click(int)
{
    CalcolaGrid1();
}

void Sezione1Form::Option4_Click(int)
{
    Frame7->setVisible(!Option4[0]->isChecked());
}
