#include "StampaProgetto.h"

#include "Dialogs.h"
#include "ErrorGuard.h"
#include "Impostazioni.h"
#include "MdiChild.h"
#include "RichTextBox.h"
#include "Sezione4Form.h"
#include "Velkaro.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

const char *const kPreparazione = "Preparazione progetto per la stampa";

// One turn of the message loop so that the page repaints; the user's input
// waits for the end of the run.
void Ridisegna()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

StampaProgetto::StampaProgetto(Sezione4Form &form) : form_(form), corsa_(*form.ui.RichTextBox1, *this), sezione4_(&form)
{}

void StampaProgetto::AvviaStampa_Click()
{
    if (inCorso_)
        return;
    const QString documento = CartellaProgramma() + CorsaStampa::NomeDocumento();
    if (!Esegui(documento))
        return;
    if (form_.ui.Option2->isChecked())
        Dialogs::MsgBox("Il testo generato si chiama " + QDir::toNativeSeparators(QFileInfo(documento).absoluteFilePath()),
                        "Generazione Testo", &form_);
    if (form_.ui.Option1->isChecked())
        StampaFileRtf(documento);
}

// The run proper; on failure the page is as it was before it, and the user
// has been told why.
bool StampaProgetto::Esegui(const QString &documento)
{
    Occupa(true);
    form_.ui.Label11->setText(QString(kPreparazione) + " in corso");
    form_.ui.Label8->setText("Fase 1");
    Ridisegna();
    form_.ui.ProgressBar1->setMaximum(40);
    form_.ui.ProgressBar1->setMinimum(1);
    form_.ui.ProgressBar1->setValue(1);
    bool riuscita = false;
    {
        WaitCursor clessidra;
        riuscita = Guarded([&] { corsa_.Esegui(CartellaProgramma(), documento); });
    }
    if (riuscita) {
        Completata();
    } else {
        form_.ui.Label11->setText(kPreparazione);
        form_.ui.Label8->clear();
        form_.ui.ProgressBar1->setValue(1);
    }
    Occupa(false);
    return riuscita;
}

void StampaProgetto::Completata()
{
    while (form_.ui.ProgressBar1->value() < form_.ui.ProgressBar1->maximum())
        form_.ui.ProgressBar1->setValue(form_.ui.ProgressBar1->value() + 1);
    form_.ui.Label11->setText(QString(kPreparazione) + " ........");
    form_.ui.Label8->setText("Completata");
}

void StampaProgetto::Occupa(bool occupata)
{
    if (!occupata) {
        // What the user clicked or typed during the run reaches the page
        // while its buttons are still disabled, and is dropped.
        QApplication::processEvents();
    }
    inCorso_ = occupata;
    form_.ui.AvviaStampa->setEnabled(!occupata);
    form_.ui.Annulla->setEnabled(!occupata);
    // Each filled template would be laid out again at every turn of the loop.
    form_.ui.RichTextBox1->setVisible(!occupata);
}

void StampaProgetto::Avanza(const QString &etichetta)
{
    form_.ui.Label8->setText(etichetta);
    Ridisegna();
    QProgressBar *barra = form_.ui.ProgressBar1;
    barra->setValue(std::min(barra->value() + 1, barra->maximum()));
}

const Caselle *StampaProgetto::CaricaSezione1()
{
    Velkaro *principale = Velkaro::Istanza();
    sezione1_ = CaselleFinestra(principale ? principale->CaricaFinestra("Sezione1Form") : nullptr);
    return &sezione1_;
}

void StampaProgetto::ScaricaSezione1()
{
    if (Velkaro *principale = Velkaro::Istanza())
        principale->ScaricaFinestra("Sezione1Form");
}

const Caselle *StampaProgetto::RendiCorrente(qint64 IdSez3)
{
    form_.RendiCorrente(IdSez3);
    return &sezione4_;
}

void StampaProgetto::StampaFileRtf(const QString &percorso)
{
    QPrinter stampante(QPrinter::HighResolution);
    if (!Dialogs::Printer(stampante, &form_))
        return;
    Guarded([&] {
        WaitCursor clessidra;
        form_.ui.RichTextBox1->LoadFile(percorso);
        form_.ui.RichTextBox1->SelPrint(&stampante);
    });
}
