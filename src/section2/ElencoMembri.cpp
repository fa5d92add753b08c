#include "ElencoMembri.h"

#include "Database.h"
#include "Dialogs.h"
#include "ErrorGuard.h"
#include "Globali.h"
#include "ListBox.h"
#include "MdiChild.h"
#include "Memorizza.h"
#include "Procedure.h"
#include "Recordset.h"
#include "Riempi.h"
#include "TextBox.h"
#include "UscitaFuoco.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

namespace {

// The member's name, in every partner table.
const QString CampoNome = QStringLiteral("Denominazione");

}  // namespace

ElencoMembri::ElencoMembri(MdiChild &finestra, QWidget *padre, Modo modo)
    : QObject(nullptr), finestra_(finestra), modo_(std::move(modo)), lista_(new ListBox(padre)),
      nome_(new TextBox(padre)), aggiungi_(new QPushButton(modo_.testoAggiungi, padre)),
      elimina_(new QPushButton(modo_.testoElimina, padre)), uscita_(new UscitaFuoco(this))
{
    lista_->setObjectName(modo_.lista);
    nome_->setObjectName(modo_.nome);
    nome_->SetLimit(modo_.limiteNome);
    nome_->hide();
    aggiungi_->setObjectName(modo_.aggiungi);
    elimina_->setObjectName(modo_.elimina);
    uscita_->Sorveglia(nome_);
    connect(lista_, &ListBox::Click, this, [this] { Guarded([this] { Scegli(); }); });
    connect(aggiungi_, &QPushButton::clicked, this, [this] { Guarded([this] { Aggiungi(); }); });
    connect(elimina_, &QPushButton::clicked, this, [this] { Guarded([this] { Elimina(); }); });
    connect(uscita_, &UscitaFuoco::Uscita, this,
            [this](QWidget *casella) { Guarded([this, casella] { Lasciata(casella); }); });
}

void ElencoMembri::Sorveglia(QWidget *casella)
{
    uscita_->Sorveglia(casella);
}

void ElencoMembri::AggiornaAbilitazione()
{
    modo_.abilita(lista_->ListIndex() >= 0);
}

void ElencoMembri::Elenca()
{
    if (modo_.didascaliaInAggiunta)
        modo_.didascalia->hide();
    nome_->hide();
    const bool inUso = !modo_.inUso || modo_.inUso();
    lista_->setVisible(inUso);
    lista_->Clear();
    mostrato_ = 0;
    // Listed from a fresh query each time, never from where the window's
    // own dynaset was left.
    if (inUso && DB) {
        auto righe = DB->OpenRecordset(QString("Select * from %1 Where Id = ?").arg(modo_.tabella), {IdProgetto});
        for (righe->MoveFirst(); !righe->Eof(); righe->MoveNext())
            lista_->AddItem(ValoreValido(righe->Field(CampoNome), TipoTesto).toString(),
                            righe->Field(modo_.chiave).toLongLong());
        righe->Close();
    }
    if (modo_.elencati)
        modo_.elencati();
    AggiornaAbilitazione();
}

Recordset *ElencoMembri::Trova(qint64 chiave, const QString &messaggio, const QString &campo) const
{
    Recordset *righe = modo_.righe->get();
    if (!righe)
        return nullptr;
    righe->FindFirst((campo.isEmpty() ? modo_.chiave : campo) + " = ?", {chiave});
    if (righe->NoMatch()) {
        Dialogs::MsgBox(messaggio);
        return nullptr;
    }
    return righe;
}

bool ElencoMembri::RegistraMostrato()
{
    return mostrato_ == 0 || Memorizza(finestra_, [this] { modo_.registra(mostrato_); }, {modo_.parte});
}

void ElencoMembri::Scegli()
{
    const int scelta = lista_->ListIndex();
    if (scelta < 0 || !*modo_.righe)
        return;
    const qint64 chiave = lista_->ItemData(scelta);
    // What was typed for the member shown so far goes to that member first;
    // when it cannot be stored it stays on screen under that member.
    if ((!modo_.registraOgniCasella || finestra_.HoldsUnsaved(modo_.parte)) && !RegistraMostrato()) {
        lista_->Reselect(lista_->FindData(mostrato_));
        return;
    }
    mostrato_ = 0;
    Riempi(finestra_, {modo_.parte}, [this, chiave] {
        if (!Trova(chiave, modo_.nonEsiste))
            return;
        modo_.riempi();
        mostrato_ = chiave;
    });
    AggiornaAbilitazione();
}

void ElencoMembri::Aggiungi()
{
    if (modo_.primaDiAggiungere && !modo_.primaDiAggiungere())
        return;
    lista_->hide();
    QApplication::processEvents();
    modo_.didascalia->setText(modo_.testoDidascalia);
    if (modo_.didascaliaInAggiunta)
        modo_.didascalia->show();
    nome_->clear();
    nome_->show();
    aggiungendo_ = true;
    nome_->setFocus(Qt::OtherFocusReason);
}

void ElencoMembri::Annulla()
{
    if (modo_.didascaliaInAggiunta)
        modo_.didascalia->hide();
    nome_->hide();
    aggiungendo_ = false;
}

void ElencoMembri::Elimina()
{
    if (modo_.primaDiEliminare)
        modo_.primaDiEliminare();
    const int scelta = lista_->ListIndex();
    if (scelta < 0) {
        if (!modo_.nessunaScelta.isEmpty())
            Dialogs::MsgBox(modo_.nessunaScelta, modo_.titoloNessunaScelta);
        return;
    }
    const QString &nonEsiste = modo_.eliminataNonEsiste.isEmpty() ? modo_.nonEsiste : modo_.eliminataNonEsiste;
    Recordset *membro = Trova(lista_->ItemData(scelta), nonEsiste);
    if (!membro)
        return;
    membro->Delete();
    if (modo_.eliminato)
        modo_.eliminato();
    Elenca();
}

void ElencoMembri::Lasciata(QWidget *casella)
{
    if (validando_)
        return;  // hiding the focused box while handling a leave moves the focus again
    validando_ = true;
    const auto fine = qScopeGuard([this] { validando_ = false; });
    if (casella != nome_) {
        if (modo_.lasciata)
            modo_.lasciata(casella);
        return;
    }
    if (!aggiungendo_)
        return;
    aggiungendo_ = false;
    const QString nome = nome_->text();
    const std::optional<bool> scegli = modo_.nomina ? modo_.nomina(nome) : AggiungiRiga(nome);
    if (!scegli) {
        aggiungendo_ = true;
        return;
    }
    Elenca();
    if (!*scegli)
        return;
    QApplication::processEvents();
    lista_->SetListIndex(CercaListaEsatta(lista_, nome));
}

std::optional<bool> ElencoMembri::AggiungiRiga(const QString &nome)
{
    bool aggiunta = false;
    const auto aggiungi = [&] {
        Recordset *righe = modo_.righe->get();
        // No rows under Id 0: without a current project nothing is added.
        if (!righe || nome.isEmpty() || IdProgetto == 0)
            return;
        righe->AddNew();
        righe->SetField("Id", IdProgetto);
        righe->SetField(CampoNome, nome);
        righe->Update();
        aggiunta = true;
    };
    // A row that is only added marks no part of the window as unsaved.
    if (!Memorizza(finestra_, aggiungi, {}))
        return std::nullopt;
    return aggiunta;
}
