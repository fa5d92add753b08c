// The print run of a large project (19 chosen actions, 50 modules, 30
// members in each list of organisations, 30 attachments): "Avvia Stampa" on
// section 4's print page, with section 1's window opened and closed and
// section 4 refilled for every action, to the RTF file; then the same run
// with stand-ins for the windows (the filling and joining alone); beside
// copying the same templates' bytes into one document the same number of
// times, which is the least any printout does. Also the peak memory.
// Run by hand (offscreen): bench_stampa [rounds]

#include "ProgettoEsempio.h"

#include "Dialogs.h"
#include "Impostazioni.h"
#include "Sezione4Form.h"
#include "Velkaro.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <sys/resource.h>

void RegistraSezioni();

namespace {

double Milliseconds(int rounds, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work();
    return double(timer.nsecsElapsed()) / 1e6 / rounds;
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The peak resident memory of the process so far, in MiB.
double PiccoMemoria()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Dialogs::SetQueueMode(true);  // the message naming the document is recorded, not shown
    RegistraSezioni();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    // The program's folder: the database, the templates and the document.
    const QString cartella = QFileInfo(VELKARO_SHIPPED_DB).path();
    ImpostaCartellaProgramma(dir.path());
    ImpostaFileImpostazioni(dir.filePath("velkaro.ini"));
    for (const QString &modello : QDir(cartella).entryList({"*.rtf"}))
        QFile::copy(QDir(cartella).filePath(modello), dir.filePath(modello));
    PercorsoDB = dir.filePath("Formulario.Mdb");
    if (!QFile::copy(VELKARO_SHIPPED_DB, PercorsoDB))
        return 1;
    QFile::setPermissions(PercorsoDB, QFile::ReadOwner | QFile::WriteOwner);
    ApriDatabase();
    IdProgetto = CreaProgetto();

    ProgettoEsempio esempio;
    esempio.membri = 30;
    esempio.moduli = 50;
    esempio.azioniDescritte = 19;
    esempio.azioniScelte = 19;
    esempio.righeCosto = 5;
    esempio.allegati = 30;
    esempio.attivitaFormativa = 2;  // the consortium members: the larger partner template
    esempio.Crea();

    const double memoriaPrima = PiccoMemoria();

    // The whole run through the print page.
    Velkaro principale;
    principale.show();
    principale.findChild<QAction *>("Stampa")->trigger();
    auto *sezione4 = qobject_cast<Sezione4Form *>(principale.Finestra("Sezione4Form"));
    if (!sezione4)
        return 1;
    sezione4->ui.Option2->setChecked(true);
    QByteArray stampato;
    const double corsa = Milliseconds(rounds, [&] {
        sezione4->AvviaStampa_Click();
        stampato = Bytes(dir.path() + CorsaStampa::NomeDocumento());
    });
    const double memoriaDopo = PiccoMemoria();
    if (Dialogs::Messages().size() != rounds || !stampato.endsWith("}\r\n"))
        return 1;

    RichTextBox box;
    FinestreProva finestre;
    finestre.sezione1.liste = {{"List1", {"Agricoltura", "Turismo"}}, {"List2", {"Apprendisti"}}};
    // Section 4 refilled for the action, as the print run does.
    finestre.azione = [&](qint64 chiave) { finestre.sezione4.testi = {{"Text26", QString::number(chiave)}}; };

    QByteArray documento;
    const double program = Milliseconds(
        rounds, [&] { documento = ComponiDocumento(box, finestre, cartella, dir.filePath("Progetto.rtf")); });

    // The same steps, each template's bytes read and appended as they are.
    const QList<std::pair<QString, int>> passi = {{"fase1.rtf", 1},
                                                  {"fase1fine.rtf", 1},
                                                  {"fase3.rtf", esempio.membri},
                                                  {"fase1ats.rtf", esempio.membri},
                                                  {"fase4.rtf", 1},
                                                  {"fase5.rtf", esempio.moduli},
                                                  {"fase6.rtf", esempio.azioniDescritte},
                                                  {"fase7.rtf", 1},
                                                  {"fase7delega.rtf", 6},
                                                  {"fase7fine.rtf", 1},
                                                  {"fase8.rtf", esempio.azioniScelte},
                                                  {"totale.rtf", 1}};
    int copie = 0;
    QByteArray copiato;
    const double plain = Milliseconds(rounds, [&] {
        copiato.clear();
        copie = 0;
        for (const auto &[modello, volte] : passi) {
            for (int i = 0; i < volte; ++i, ++copie)
                copiato += Bytes(QDir(cartella).filePath(modello));
        }
    });

    std::printf("project: %d members per list, %d modules, %d actions; %d templates filled, %d rounds\n",
                esempio.membri, esempio.moduli, esempio.azioniScelte, copie, rounds);
    std::printf("document: %lld bytes (copied templates: %lld bytes)\n", qint64(stampato.size()),
                qint64(copiato.size()));
    std::printf("%-44s %10s %10s %8s\n", "work", "program ms", "plain ms", "ratio");
    std::printf("%-44s %10.2f %10.2f %8.1f\n", "the print run, \"Avvia Stampa\" to the file", corsa, plain,
                corsa / plain);
    std::printf("%-44s %10.2f %10.2f %8.1f\n", "fill and join every template (stand-ins)", program, plain,
                program / plain);
    std::printf("peak memory: %.1f MiB before the runs, %.1f MiB after\n", memoriaPrima, memoriaDopo);
    principale.close();
    ChiudiDatabase();
    return 0;
}
