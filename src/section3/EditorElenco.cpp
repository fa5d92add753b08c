#include "EditorElenco.h"

#include "Database.h"
#include "Dialogs.h"
#include "ErrorGuard.h"
#include "Globali.h"
#include "Impaginazione.h"
#include "ListBox.h"
#include "Memorizza.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"
#include "Sezione3Form.h"
#include "TabStrip.h"
#include "TextBox.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kIncongruente = QStringLiteral("Archivio incongruente");
const QString kAiuto = QStringLiteral("Aiuto.");

// The detail pages, in twips inside the editor's frame.
const QRect kPagine(285, 2490, 8580, 3360);

const QString kProfili = QStringLiteral(
    "Indicare i profili di riferimento, il rapporto contrattuale, il numero di ore di docenza o di eventuale "
    "codocenza indicandone la motivazione");

QPushButton *Bottone(QWidget *padre, const char *nome, const char *testo, int left, int top, int width)
{
    auto *bottone = new QPushButton(QString::fromUtf8(testo), padre);
    bottone->setObjectName(nome);
    bottone->setGeometry(TwipsRect(left, top, width, 375));
    return bottone;
}

}  // namespace

EditorElenco::EditorElenco(Sezione3Form &form, Impaginazione &impagina, QGroupBox *riquadro,
                           DefinizioneElenco definizione)
    : QObject(riquadro), form_(form), definizione_(std::move(definizione))
{
    Crea(impagina, riquadro);
    connect(Lista, &ListBox::Click, this, [this] { Guarded([this] { List_Click(); }); });
    connect(Aggiungi, &QPushButton::clicked, this, [this] { Guarded([this] { Aggiungi_Click(); }); });
    connect(Elimina, &QPushButton::clicked, this, [this] { Guarded([this] { Elimina_Click(); }); });
    connect(Registra, &QPushButton::clicked, this, [this] { Guarded([this] { Registra_Click(); }); });
    connect(pagine_->Striscia, &TabStrip::Click, this, [this] { TabStrip_Click(); });
}

EditorElenco::~EditorElenco() = default;

void EditorElenco::Crea(Impaginazione &impagina, QGroupBox *riquadro)
{
    const DefinizioneElenco &d = definizione_;
    impagina.Etichetta(riquadro, "Titolo", 135, Impaginazione::kTitolo, 4500);
    Lista = new ListBox(riquadro);
    Lista->setObjectName(d.lista);
    Lista->setGeometry(TwipsRect(135, 480, 4500, 1530));

    impagina.Etichetta(riquadro, QString::fromUtf8(d.testoTitolo), 4800, Impaginazione::kTitolo, 4245);
    Titolo = new TextBox(riquadro);
    Titolo->setObjectName(d.titolo);
    Titolo->setGeometry(TwipsRect(4800, 480, 4245, Impaginazione::kCasella));
    Aggiungi = Bottone(riquadro, d.aggiungi, d.testoAggiungi, 4800, 900, 2070);
    Elimina = Bottone(riquadro, d.elimina, d.testoElimina, 6975, 900, 2070);
    Elimina->setEnabled(false);

    pagine_.emplace(d.striscia, d.pagine, riquadro, kPagine);
    for (const DefinizioneElenco::Scheda &scheda : d.schede)
        pagine_->Aggiungi(QString::fromUtf8(scheda.scheda), QString::fromUtf8(scheda.suggerimento),
                          QString::fromUtf8(scheda.didascalia));
    // Usable once an item is chosen.
    pagine_->Striscia->setEnabled(false);

    const int basso = kPagine.top() + kPagine.height() + 120;
    Registra = Bottone(riquadro, d.registra, d.testoRegistra, kPagine.left(), basso, 2070);
    Etichetta = new QLabel(riquadro);
    Etichetta->setObjectName(d.etichetta);
    Etichetta->setGeometry(TwipsRect(kPagine.left() + 2200, basso + 60, kPagine.width() - 2200, Impaginazione::kRiga));
}

void EditorElenco::Lega(QWidget *casella, const QString &campo, FieldBinding::Kind tipo, bool soloRegistra)
{
    (soloRegistra ? registrati_ : campi_).Box(casella, campo, tipo);
}

void EditorElenco::CasellaTesto(Impaginazione &impagina, int pagina, int indice, const QString &campo, bool profili)
{
    QGroupBox *riquadro = Pagina(pagina);
    constexpr int kMargine = 120;
    const int larghezza = kPagine.width() - 2 * kMargine;
    int top = Impaginazione::kTitolo;
    if (profili) {
        impagina.Etichetta(riquadro, kProfili, kMargine, top, larghezza, 2 * Impaginazione::kRiga);
        top += 2 * Impaginazione::kRiga + 30;
    }
    Lega(impagina.Casella(indice, riquadro, 0, true, kMargine, top, larghezza, kPagine.height() - top - 105), campo,
         FieldBinding::Text);
}

QWidget *EditorElenco::CasellaNumero(Impaginazione &impagina, int pagina, int indice, const QString &etichetta,
                                     const QString &campo, int top, int rientro)
{
    QGroupBox *riquadro = Pagina(pagina);
    impagina.Etichetta(riquadro, etichetta, 240 + rientro, top + 60, kSinistraNumero - 300 - rientro);
    QWidget *casella = impagina.Casella(indice, riquadro, 0, false, kSinistraNumero, top, kLarghezzaNumero,
                                        Impaginazione::kCasella, Qt::AlignRight | Qt::AlignVCenter);
    Lega(casella, campo, FieldBinding::Number);
    return casella;
}

std::unique_ptr<Recordset> EditorElenco::Righe() const
{
    return DB->OpenRecordset(QString("Select * from %1 where ID = ?").arg(definizione_.tabella), {IdProgetto});
}

// --- The list --------------------------------------------------------------------

QString EditorElenco::Parte() const
{
    return QString::fromUtf8(definizione_.tabella);
}

void EditorElenco::Carica()
{
    Lista->Clear();
    if (!DB)
        return;
    // A list cut short by a read error would pass for the whole list.
    if (!Riempi(form_, {Parte()}, [this] { CaricaElenco(); }))
        Lista->Clear();
}

void EditorElenco::CaricaElenco()
{
    const auto righe = Righe();
    for (righe->MoveFirst(); !righe->Eof(); righe->MoveNext())
        Lista->AddItem(ValoreValido(righe->Field("Titolo"), TipoTesto).toString().trimmed(),
                       InteroMemorizzabile(righe->Field(definizione_.chiave)));
}

void EditorElenco::List_Click()
{
    const int scelto = Lista->ListIndex();
    if (scelto < 0)
        return;
    const qint64 chiave = Lista->ItemData(scelto);
    pagine_->Striscia->setEnabled(true);
    Elimina->setEnabled(true);
    Riempi(form_, {Parte()}, [this, chiave] {
        CaricaCampi(chiave);
        if (dettagli_)
            dettagli_->Carica(chiave);
    });
    Etichetta->setText(Lista->List(scelto));
    if (definizione_.titoloDallElenco)
        Titolo->setText(Lista->List(scelto));
}

void EditorElenco::CaricaCampi(qint64 chiave)
{
    if (!DB)
        return;
    const auto riga = DB->OpenTable(definizione_.tabella);
    riga->SetIndex(definizione_.chiave);
    riga->Seek("=", chiave);
    if (riga->NoMatch()) {
        Dialogs::MsgBox(kIncongruente);
        return;
    }
    FieldBinding::ShowText(Titolo, ValoreValido(riga->Field("Titolo"), TipoTesto).toString());
    campi_.Fill(*riga);
    pagine_->Striscia->setEnabled(true);
}

// --- The buttons -------------------------------------------------------------------

void EditorElenco::Aggiungi_Click()
{
    const QString titolo = Titolo->text();
    // A title of blanks would be stored empty: an item that could never be
    // told from no choice.
    if (titolo.trimmed().isEmpty()) {
        Dialogs::MsgBox(QString::fromUtf8(definizione_.titoloVuoto), kAiuto);
        Rifiuta(false);
        return;
    }
    if (CercaLista(Lista, titolo) >= 0) {
        Dialogs::MsgBox(QString::fromUtf8(definizione_.giaPresente));
        Rifiuta(true);
        return;
    }
    // No row is made under an Id that names no project.
    if (!Sezione3Form::ProgettoCorrente()) {
        Dialogs::MsgBox("Il Progetto non esiste");
        return;
    }
    const QString pulito = titolo.trimmed();
    qint64 chiave = 0;
    const bool aggiunto = Memorizza(form_,
                                    [&] {
                                        const auto righe = Righe();
                                        righe->AddNew();
                                        righe->SetField(0, IdProgetto);
                                        righe->SetField("Titolo", pulito);
                                        righe->Update();
                                        chiave = righe->LastInsertedKey();
                                    },
                                    {});
    if (!aggiunto)
        return;
    Lista->AddItem(pulito, chiave);
    AzzeraStrip();
    TabStrip_Click();
    pagine_->Striscia->setEnabled(true);
    Lista->SetListIndex(Lista->ListCount() - 1);
}

void EditorElenco::Rifiuta(bool svuota)
{
    pagine_->Striscia->setEnabled(false);
    pagine_->Setta();
    if (svuota)
        Titolo->clear();
    Titolo->setFocus(Qt::OtherFocusReason);
}

void EditorElenco::Elimina_Click()
{
    // An item stored with an empty title can be deleted as any other.
    const int scelto = Lista->ListIndex();
    if (scelto < 0)
        return;
    const QString testo = Lista->List(scelto);
    if (!Dialogs::YesNo(QString::fromUtf8(definizione_.domanda).arg(testo), "Cancellazione!"))
        return;
    const qint64 chiave = Lista->ItemData(scelto);
    bool trovato = false;
    const bool fatto = Memorizza(form_,
                                 [&] {
                                     const auto righe = Righe();
                                     righe->FindFirst(QString("%1 = ?").arg(definizione_.chiave), {chiave});
                                     trovato = !righe->NoMatch();
                                     if (trovato)
                                         righe->Delete();
                                 },
                                 {});
    if (!fatto)
        return;
    if (!trovato) {
        Dialogs::MsgBox(kIncongruente);
        return;
    }
    Titolo->clear();
    Lista->RemoveItem(scelto);
    Lista->SetListIndex(-1);
}

void EditorElenco::Registra_Click()
{
    // What the pages show is never dropped without a word.
    const int scelto = Lista->ListIndex();
    if (scelto < 0) {
        Dialogs::MsgBox(QString::fromUtf8(definizione_.nessunaScelta), kAiuto);
        return;
    }
    // Details that could not be read are not the item's: they are never
    // stored over it.
    if (form_.HoldsUnfilled(Parte())) {
        Dialogs::MsgBox(QString("I dati di \"%1\" non sono stati letti e non sono stati registrati: sceglierlo di "
                                "nuovo nell'elenco.")
                            .arg(Lista->List(scelto)));
        return;
    }
    if (Titolo->text().trimmed().isEmpty()) {
        Dialogs::MsgBox(QString::fromUtf8(definizione_.titoloMancante), kAiuto);
        return;
    }
    const qint64 chiave = Lista->ItemData(scelto);
    bool trovato = false;
    const bool fatto = Memorizza(form_,
                                 [&] {
                                     if (dettagli_)
                                         dettagli_->Registra(chiave);
                                     trovato = RegistraCampi(chiave);
                                 },
                                 {Parte()});
    if (!fatto)
        return;
    if (!trovato)
        Dialogs::MsgBox(kIncongruente);
    Carica();
}

bool EditorElenco::RegistraCampi(qint64 chiave)
{
    const auto righe = Righe();
    righe->FindFirst(QString("%1 = ?").arg(definizione_.chiave), {chiave});
    if (righe->NoMatch())
        return false;
    righe->Edit();
    righe->SetField("Titolo", Titolo->text());
    campi_.Store(*righe);
    registrati_.Store(*righe);
    righe->Update();
    return true;
}

// --- The pages -----------------------------------------------------------------------

void EditorElenco::TabStrip_Click()
{
    pagine_->Mostra();
}

void EditorElenco::AzzeraStrip()
{
    campi_.Clear();
    if (dettagli_)
        dettagli_->Azzera();
}
