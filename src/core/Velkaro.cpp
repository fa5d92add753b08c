#include "Velkaro.h"

#include "ArchiviazioneForm.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "IntroduzioneForm.h"
#include "MdiArea.h"
#include "MdiChild.h"
#include "MdiLifecycle.h"
#include "MdiSubWindow.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {

Velkaro *istanza = nullptr;

QMap<QString, Velkaro::Fabbrica> &Registro()
{
    static QMap<QString, Velkaro::Fabbrica> registro;
    return registro;
}

}  // namespace

Velkaro::Velkaro() : area_(new MdiArea(this)), ciclo_(new MdiLifecycle(area_))
{
    istanza = this;
    setObjectName("Velkaro");
    setWindowTitle("Formulario Kavrano");
    setCentralWidget(area_);
    // A child window larger than the frame can still be reached whole.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    CreaMenu();
    MDIForm_Load();
}

Velkaro::~Velkaro()
{
    if (istanza == this)
        istanza = nullptr;
}

Velkaro *Velkaro::Istanza()
{
    return istanza;
}

void Velkaro::RegistraFinestra(const QString &nome, Fabbrica fabbrica)
{
    Registro()[nome] = std::move(fabbrica);
}

Velkaro::Fabbrica Velkaro::FabbricaDi(const QString &nome) const
{
    if (nome == "IntroduzioneForm")
        return [] { return new IntroduzioneForm; };
    return Registro().value(nome);
}

void Velkaro::CreaMenu()
{
    QMenuBar *barra = menuBar();
    const auto comando = [&](const QString &nome, const QString &titolo, void (Velkaro::*gestore)()) {
        QAction *azione = barra->addAction(titolo);
        azione->setObjectName(nome);
        connect(azione, &QAction::triggered, this, gestore);
        return azione;
    };
    comando("Introduzione", "&Introduzione", &Velkaro::Introduzione_Click);
    comando("Archiviazione", "&Seleziona Progetto", &Velkaro::Archiviazione_Click);
    comando("Sezione1", "Sezione &1", &Velkaro::Sezione1_Click);
    comando("Sezione2", "Sezione &2", &Velkaro::Sezione2_Click);
    comando("Sezione3", "Sezione &3", &Velkaro::Sezione3_Click);
    comando("Sezione4", "Sezione &4", &Velkaro::Sezione4_Click);
    comando("Stampa", "&Stampa", &Velkaro::Stampa_Click);
    finestre_ = barra->addMenu("&Finestre");
    finestre_->menuAction()->setObjectName("Finestre");
    connect(finestre_, &QMenu::aboutToShow, this, &Velkaro::AggiornaFinestre);
    comando("Uscita", "&Uscita", &Velkaro::Uscita_Click);
}

// The window list is rebuilt from the open child windows each time it opens.
void Velkaro::AggiornaFinestre()
{
    finestre_->clear();
    const QList<QMdiSubWindow *> finestre = area_->subWindowList();
    for (int i = 0; i < finestre.size(); ++i) {
        QMdiSubWindow *finestra = finestre[i];
        QAction *azione = finestre_->addAction(QString("&%1 %2").arg(i + 1).arg(finestra->windowTitle()));
        azione->setCheckable(true);
        azione->setChecked(finestra == area_->currentSubWindow());
        connect(azione, &QAction::triggered, this, [this, finestra] {
            if (area_->subWindowList().contains(finestra)) {
                finestra->showNormal();
                area_->setActiveSubWindow(finestra);
            }
        });
    }
}

MdiChild *Velkaro::ApriFinestra(const QString &nome)
{
    const Fabbrica fabbrica = FabbricaDi(nome);
    return fabbrica ? ciclo_->Open(nome, fabbrica) : nullptr;
}

MdiChild *Velkaro::CaricaFinestra(const QString &nome)
{
    const Fabbrica fabbrica = FabbricaDi(nome);
    return fabbrica ? ciclo_->Load(nome, fabbrica) : nullptr;
}

bool Velkaro::ScaricaFinestra(const QString &nome)
{
    return ciclo_->Unload(nome);
}

MdiChild *Velkaro::Finestra(const QString &nome) const
{
    return ciclo_->Find(nome);
}

MdiChild *Velkaro::FinestraAttiva() const
{
    return ciclo_->ActiveChild();
}

void Velkaro::ImpostaTitoloProgetto(qint64 id)
{
    setWindowTitle(QString("Formulario Kavrano - Progetto #%1").arg(id));
}

void Velkaro::MDIForm_Load()
{
    DaMenuSezione = false;
    ModoStampa = false;
    LeggiPercorsoDB();
    resize(Twips(9600), Twips(8160));
}

void Velkaro::Introduzione_Click()
{
    ApriFinestra("IntroduzioneForm");
}

void Velkaro::Archiviazione_Click()
{
    // A section that keeps what it could not store keeps its project too.
    for (const char *nome : {"Sezione1Form", "Sezione2Form", "Sezione3Form", "Sezione4Form"})
        if (!ScaricaFinestra(nome))
            return;
    {
        ArchiviazioneForm archivio(this);
        archivio.exec();
    }
    if (!DaMenuSezione)
        Sezione1_Click();
}

void Velkaro::ApriSezione(const QString &nome)
{
    DaMenuSezione = true;
    if (IdProgetto == 0)
        Archiviazione_Click();
    ApriFinestra(nome);
    DaMenuSezione = false;
}

void Velkaro::Sezione1_Click()
{
    ApriSezione("Sezione1Form");
}

void Velkaro::Sezione2_Click()
{
    ApriSezione("Sezione2Form");
}

void Velkaro::Sezione3_Click()
{
    ApriSezione("Sezione3Form");
}

void Velkaro::ApriSezione4(bool stampa)
{
    DaMenuSezione = true;
    if (IdProgetto == 0)
        Archiviazione_Click();
    ModoStampa = stampa;
    MdiChild *attiva = FinestraAttiva();
    if (attiva && attiva->objectName() == "Sezione4Form" && !attiva->Unload()) {
        DaMenuSezione = false;
        return;
    }
    ApriFinestra("Sezione4Form");
    DaMenuSezione = false;
}

void Velkaro::Sezione4_Click()
{
    ApriSezione4(false);
}

void Velkaro::Stampa_Click()
{
    ApriSezione4(true);
}

// Leaving by the menu stores like closing the main window: every open
// section stores as it closes, and nothing is asked.
void Velkaro::Uscita_Click()
{
    close();
}

// Every child window closes first, storing its data as it goes. The one in
// front closes last: closing it earlier would bring another window to the
// front and make it refill itself just before it closes too.
// A window that keeps what it could not store keeps the program open.
void Velkaro::closeEvent(QCloseEvent *event)
{
    // A window in the middle of its work (the print run) keeps every window open.
    for (QMdiSubWindow *finestra : area_->subWindowList()) {
        const auto *cornice = qobject_cast<MdiSubWindow *>(finestra);
        if (cornice && cornice->Child() && cornice->Child()->IsBusy()) {
            event->ignore();
            return;
        }
    }
    QList<QMdiSubWindow *> provate;
    bool tutte = true;
    const auto chiudi = [&](QMdiSubWindow *finestra) {
        provate << finestra;
        tutte = finestra->close() && tutte;
    };
    QMdiSubWindow *davanti = area_->currentSubWindow();
    for (QMdiSubWindow *finestra : area_->subWindowList())
        if (finestra != davanti)
            chiudi(finestra);
    if (davanti && area_->subWindowList().contains(davanti))
        chiudi(davanti);
    // Any window opened meanwhile.
    for (QMdiSubWindow *finestra : area_->subWindowList())
        if (!provate.contains(finestra) && finestra->isVisible())
            chiudi(finestra);
    if (tutte)
        event->accept();
    else
        event->ignore();
}
