// A driver loaded into the built program (LD_PRELOAD) by the end-to-end
// tests: once the application exists it plays one scenario with real mouse
// and key events, as a user would, and lets the program end by itself. The
// program knows nothing of it. A scenario that cannot go on within a minute
// ends the process with status 97, so a hanging program fails the test.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Passo = std::function<bool()>;  // true once done; false: try again later

template <typename T = QWidget>
T *Trova(const QString &nome)
{
    for (QWidget *finestra : QApplication::topLevelWidgets()) {
        if (!finestra->isVisible())
            continue;
        if (finestra->objectName() == nome)
            if (auto *trovato = qobject_cast<T *>(finestra))
                return trovato;
        for (T *figlio : finestra->findChildren<T *>(nome))
            if (figlio->isVisible())
                return figlio;
    }
    return nullptr;
}

// Chooses a menu command the way the menu bar does, from the event loop,
// so that a modal dialog it opens does not stop the scenario.
bool Menu(const QString &nome)
{
    auto *azione = Trova<QWidget>("Velkaro") ? Trova<QWidget>("Velkaro")->findChild<QAction *>(nome) : nullptr;
    if (!azione)
        return false;
    QTimer::singleShot(0, azione, &QAction::trigger);
    return true;
}

bool Clic(const QString &nome)
{
    auto *pulsante = Trova<QPushButton>(nome);
    if (!pulsante || !pulsante->isEnabled())
        return false;
    QTest::mouseClick(pulsante, Qt::LeftButton);
    return true;
}

// Clicks the last item of a list on its rectangle.
bool UltimaVoce(const QString &nome)
{
    auto *lista = Trova<QListWidget>(nome);
    if (!lista || lista->count() == 0)
        return false;
    QListWidgetItem *voce = lista->item(lista->count() - 1);
    lista->scrollToItem(voce);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(voce).center());
    return lista->currentItem() == voce && voce->isSelected();
}

bool Scrivi(const QString &nome, const QString &testo)
{
    auto *casella = Trova<QLineEdit>(nome);
    if (!casella || !casella->isEnabled())
        return false;
    QTest::mouseClick(casella, Qt::LeftButton);
    QTest::keyClick(casella, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(casella, testo);
    return casella->text() == testo;
}

std::vector<Passo> Scenario(const QByteArray &nome)
{
    if (nome == "nuovo-progetto") {
        const QString testo = QString::fromUtf8(qgetenv("PILOTA_TESTO"));
        return {
            [] { return Menu("Archiviazione"); },
            [] { return Trova("ArchiviazioneForm") && Clic("Command1"); },
            [] { return UltimaVoce("List1"); },
            [] { return Clic("Command2"); },
            [testo] { return !Trova("ArchiviazioneForm") && Trova("Sezione1Form") && Scrivi("Text1(0)", testo); },
            [] { return Menu("Uscita"); },
        };
    }
    std::fprintf(stderr, "pilota: scenario sconosciuto '%s'\n", nome.constData());
    std::_Exit(96);
}

void Avvia()
{
    const QByteArray nome = qgetenv("PILOTA_SCENARIO");
    if (nome.isEmpty())
        return;
    auto *passi = new std::vector<Passo>(Scenario(nome));
    auto *prossimo = new size_t(0);
    auto *orologio = new QTimer(qApp);
    orologio->setInterval(50);
    QObject::connect(orologio, &QTimer::timeout, [passi, prossimo, orologio] {
        if (*prossimo >= passi->size()) {
            orologio->stop();
            return;
        }
        // The step is taken before it runs: a step that opens a modal
        // dialog returns only once the dialog is gone, and the steps after
        // it run meanwhile, from the dialog's own event loop.
        const size_t passo = (*prossimo)++;
        if (!(*passi)[passo]())
            *prossimo = passo;
    });
    orologio->start();
    // The watchdog: a scenario that cannot go on ends the process.
    std::thread([] {
        ::sleep(45);
        std::fprintf(stderr, "pilota: scenario bloccato\n");
        std::_Exit(97);
    }).detach();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Avvia)
