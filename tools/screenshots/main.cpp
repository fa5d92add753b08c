// Opens every page of every window on a sample project, offscreen, and saves
// each as a PNG, so the forms can be looked at without a display.
//
//   screenshots [output folder]      (default: ./screenshots)
//
// Works on a temporary copy of the shipped database and a temporary settings
// file: nothing of the program's own folder is changed.

#include "ArchiviazioneForm.h"
#include "DbError.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "ListBox.h"
#include "MdiChild.h"
#include "ProfileFile.h"
#include "ProgettoEsempio.h"
#include "TabStrip.h"
#include "Velkaro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFrame>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <map>

void RegistraSezioni();

namespace {

// The section windows and the control array that holds their pages. A new
// section window adds its line here, with the list whose first item is
// double-clicked before the pages are taken (none: nullptr), the page that
// shows only in print mode (none: -1), the option and button that run the
// print page's work, taken once more after it (none: nullptr), how many times
// its next arrows (`avanti`, the array's name) are pressed first, so that the
// lists that pages load on arrival are filled, and the lists whose first item
// is then chosen (names separated by blanks).
struct FinestraConPagine
{
    const char *finestra;
    const char *pagine;
    const char *sceltaIniziale;
    int paginaStampa;
    const char *opzioneStampa = nullptr;
    const char *avvioStampa = nullptr;
    const char *avanti = nullptr;
    int passi = 0;
    const char *scelte = "";
};
const FinestraConPagine kFinestre[] = {
    {"Sezione1Form", "Frame1", nullptr, -1},
    {"Sezione2Form", "Frame2", nullptr, -1},
    {"Sezione3Form", "Frame1", nullptr, -1, nullptr, nullptr, "Command2", 10, "List1 List2"},
    // The RTF text only: no printer dialog to answer.
    {"Sezione4Form", "Frame1", "List1(1)", 11, "Option2", "AvviaStampa"},
};

int salvate = 0;

void Attendi()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void Salva(QWidget *finestra, const QDir &cartella, const QString &nome)
{
    Attendi();
    const QString file = cartella.filePath(nome + ".png");
    if (finestra->grab().save(file)) {
        ++salvate;
        std::printf("%s\n", qPrintable(file));
    } else {
        std::fprintf(stderr, "impossibile salvare %s\n", qPrintable(file));
    }
}

// The window as the user sees it: the child inside its frame, caption included.
QWidget *Cornice(MdiChild *finestra)
{
    if (QMdiSubWindow *cornice = finestra->SubWindow())
        return cornice;
    return finestra;
}

// The sample project of the tests: a value in every field, rows in every
// list and grid.
qint64 CreaProgettoDiEsempio()
{
    ApriDatabase();
    IdProgetto = CreaProgetto();
    ProgettoEsempio{}.Crea();
    return IdProgetto;
}

void FotografaArchivio(Velkaro *principale, qint64 id, const QDir &cartella)
{
    // Shown without modality, so the picture can be taken; the dialog's own
    // opening reopens the database, and choosing the sample project in it
    // makes that project current again, as a user would.
    ArchiviazioneForm archivio(principale);
    archivio.setWindowModality(Qt::NonModal);
    archivio.show();
    auto *lista = archivio.findChild<ListBox *>("List1");
    for (int i = 0; lista && i < lista->ListCount(); ++i)
        if (lista->ItemData(i) == id)
            lista->SetListIndex(i);
    Salva(&archivio, cartella, "ArchiviazioneForm-0");
    if (auto *definisci = archivio.findChild<QPushButton *>("Command2"))
        definisci->click();
    if (IdProgetto != id) {
        IdProgetto = id;
        principale->ImpostaTitoloProgetto(id);
    }
}

// Every further tab of the tabbed controls a page shows, one picture each.
void FotografaSchede(MdiChild *finestra, QFrame *pagina, const QDir &cartella, const QString &nome)
{
    int controllo = 0;
    for (QTabWidget *schede : pagina->findChildren<QTabWidget *>()) {
        if (!schede->isVisibleTo(pagina))
            continue;
        const int prima = schede->currentIndex();
        for (int scheda = 0; scheda < schede->count(); ++scheda) {
            if (scheda == prima)
                continue;
            schede->setCurrentIndex(scheda);
            Salva(Cornice(finestra), cartella, QString("%1-schede%2-%3").arg(nome).arg(controllo).arg(scheda));
        }
        schede->setCurrentIndex(prima);
        ++controllo;
    }
    // Tab strips show their pages through the form's own click handler.
    for (TabStrip *striscia : pagina->findChildren<TabStrip *>()) {
        if (!striscia->isVisibleTo(pagina))
            continue;
        const int prima = striscia->SelectedIndex();
        for (int scheda = 1; scheda <= striscia->count(); ++scheda) {
            if (scheda == prima)
                continue;
            striscia->SetSelectedIndex(scheda);
            Salva(Cornice(finestra), cartella, QString("%1-schede%2-%3").arg(nome).arg(controllo).arg(scheda));
        }
        striscia->SetSelectedIndex(prima);
        ++controllo;
    }
}

// Walks the window's pages with its next arrows, as the user does, so the
// lists that pages load on arrival are filled, then chooses the first item
// of each list named.
void PreparaPagine(MdiChild *finestra, const FinestraConPagine &voce)
{
    const QRegularExpression freccia(QString("^%1\\((\\d+)\\)$").arg(voce.avanti));
    for (int passo = 0; voce.avanti && passo < voce.passi; ++passo)
        for (QToolButton *bottone : finestra->findChildren<QToolButton *>(freccia))
            if (bottone->isVisible()) {
                bottone->click();
                Attendi();
                break;
            }
    for (const QString &nome : QString(voce.scelte).split(' ', Qt::SkipEmptyParts))
        if (auto *lista = finestra->findChild<ListBox *>(nome); lista && lista->ListCount() > 0) {
            lista->SetListIndex(0);
            Attendi();
        }
}

void FotografaSezione(Velkaro *principale, const FinestraConPagine &voce, const QDir &cartella)
{
    MdiChild *finestra = principale->ApriFinestra(voce.finestra);
    if (!finestra)
        return;
    Attendi();
    if (voce.sceltaIniziale)
        if (auto *lista = finestra->findChild<ListBox *>(voce.sceltaIniziale); lista && lista->ListCount() > 0) {
            lista->SetListIndex(0);
            emit lista->DblClick();
            Attendi();
        }
    PreparaPagine(finestra, voce);
    const QRegularExpression nome(QString("^%1\\((\\d+)\\)$").arg(voce.pagine));
    std::map<int, QFrame *> pagine;
    for (QFrame *frame : finestra->findChildren<QFrame *>()) {
        const auto corrisponde = nome.match(frame->objectName());
        if (corrisponde.hasMatch())
            pagine[corrisponde.captured(1).toInt()] = frame;
    }
    if (pagine.empty())
        Salva(Cornice(finestra), cartella, QString("%1-0").arg(voce.finestra));
    for (const auto &[indice, pagina] : pagine) {
        for (const auto &[altro, frame] : pagine)
            if (altro != indice)
                frame->setVisible(false);
        pagina->setVisible(true);
        pagina->raise();
        if (indice == voce.paginaStampa)
            continue;
        Salva(Cornice(finestra), cartella, QString("%1-%2").arg(voce.finestra).arg(indice));
        FotografaSchede(finestra, pagina, cartella, QString("%1-%2").arg(voce.finestra).arg(indice));
    }
    principale->ScaricaFinestra(voce.finestra);
    Attendi();
    if (voce.paginaStampa < 0)
        return;
    // The print page as the print menu opens it.
    ModoStampa = true;
    if (MdiChild *stampa = principale->ApriFinestra(voce.finestra)) {
        Salva(Cornice(stampa), cartella, QString("%1-%2").arg(voce.finestra).arg(voce.paginaStampa));
        auto *opzione = voce.opzioneStampa ? stampa->findChild<QAbstractButton *>(voce.opzioneStampa) : nullptr;
        auto *avvio = voce.avvioStampa ? stampa->findChild<QAbstractButton *>(voce.avvioStampa) : nullptr;
        if (opzione && avvio && avvio->isEnabled()) {
            opzione->click();
            avvio->click();
            Attendi();
            Salva(Cornice(stampa), cartella, QString("%1-%2-dopo").arg(voce.finestra).arg(voce.paginaStampa));
        }
        principale->ScaricaFinestra(voce.finestra);
        Attendi();
    }
    ModoStampa = false;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont("DejaVu Sans", 8));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // No one is there to answer: messages are recorded, never shown.
    Dialogs::SetQueueMode(true);

    const QStringList argomenti = QCoreApplication::arguments();
    QDir cartella(argomenti.size() > 1 ? argomenti[1] : QString("screenshots"));
    if (!cartella.mkpath(".")) {
        std::fprintf(stderr, "impossibile creare la cartella %s\n", qPrintable(cartella.path()));
        return 1;
    }

    QTemporaryDir temporanea;
    const QString archivio = temporanea.filePath("Formulario.Mdb");
    if (!temporanea.isValid() || !QFile::copy(CartellaProgramma() + "/Formulario.Mdb", archivio)) {
        std::fprintf(stderr, "manca il database %s/Formulario.Mdb\n", qPrintable(CartellaProgramma()));
        return 1;
    }
    QFile::setPermissions(archivio, QFile::ReadOwner | QFile::WriteOwner);
    // The print page's run reads its templates from the program's folder and
    // writes its document there: the temporary folder stands in for it.
    const QDir programma(CartellaProgramma());
    for (const QString &modello : programma.entryList({"*.rtf"}))
        QFile::copy(programma.filePath(modello), temporanea.filePath(modello));
    ImpostaCartellaProgramma(temporanea.path());
    ImpostaFileImpostazioni(temporanea.filePath("screenshots.ini"));
    ProfileFile(FileImpostazioni()).Write("Percorsi", "DataBase", archivio);

    RegistraSezioni();
    PercorsoDB = archivio;
    qint64 id = 0;
    try {
        id = CreaProgettoDiEsempio();
    } catch (const DbError &errore) {
        std::fprintf(stderr, "%s\n", qPrintable(errore.Description()));
        ChiudiDatabase();  // before the application goes
        return 1;
    }

    {
        Velkaro principale;
        principale.show();
        principale.Introduzione_Click();
        if (MdiChild *introduzione = principale.Finestra("IntroduzioneForm"))
            Salva(Cornice(introduzione), cartella, "IntroduzioneForm-0");
        Salva(&principale, cartella, "Velkaro-0");

        FotografaArchivio(&principale, id, cartella);
        for (const FinestraConPagine &voce : kFinestre)
            FotografaSezione(&principale, voce, cartella);
        principale.close();
        Attendi();
    }
    ChiudiDatabase();

    for (const QString &messaggio : Dialogs::Messages())
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(messaggio));
    std::printf("%d immagini in %s\n", salvate, qPrintable(QDir::toNativeSeparators(cartella.absolutePath())));
    return salvate > 0 ? 0 : 1;
}
