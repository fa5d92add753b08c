#include "GraficoProgetto.h"

#include "Dialogs.h"
#include "ErrorGuard.h"
#include "ExternalViewer.h"
#include "FieldBinding.h"
#include "Impostazioni.h"
#include "Sezione3Form.h"
#include "Twips.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>

namespace {

constexpr int kPercorso = 9;  // the path box in Text1

const QStringList kEstensioni = {"BMP", "JPG", "PCX", "GIF", "TIF"};

// The folder the chooser opens in, with the file it proposes: the box's
// path when it names a folder, otherwise the program's folder with the
// box's text as the name.
QString Partenza(const QString &percorso)
{
    if (QDir::fromNativeSeparators(percorso).contains('/'))
        return percorso;
    return percorso.isEmpty() ? CartellaProgramma() : QDir(CartellaProgramma()).filePath(percorso);
}

}  // namespace

GraficoProgetto::GraficoProgetto(Sezione3Form &form) : QObject(form.RiquadroGrafico), form_(form)
{
    Command3 = new QPushButton("...", form.RiquadroGrafico);
    Command3->setObjectName("Command3");
    Command3->setGeometry(TwipsRect(6975, 1290, 450, 345));
    Command4 = new QPushButton("VEDI", form.RiquadroGrafico);
    Command4->setObjectName("Command4");
    Command4->setGeometry(TwipsRect(7500, 1290, 900, 345));
    connect(Command3, &QPushButton::clicked, this, [this] { Guarded([this] { Command3_Click(); }); });
    connect(Command4, &QPushButton::clicked, this, [this] { Guarded([this] { Command4_Click(); }); });
}

void GraficoProgetto::Command3_Click()
{
    QWidget *casella = form_.Text1[kPercorso];
    const QString scelto = Dialogs::OpenFile("Selezione 'File Grafico'", Partenza(FieldBinding::BoxText(casella)),
                                             "File Grafici (*.bmp *.jpg *.pcx *.gif *.tif)", &form_);
    if (scelto.isEmpty())
        return;  // cancelled
    // The name's last three characters decide, whatever their case.
    if (!kEstensioni.contains(scelto.right(3).toUpper())) {
        Dialogs::MsgBox("Selezionare un File Immagine Valido !");
        return;
    }
    FieldBinding::ShowText(casella, QDir::toNativeSeparators(scelto));
}

void GraficoProgetto::Command4_Click()
{
    const QString percorso = FieldBinding::BoxText(form_.Text1[kPercorso]);
    if (percorso.isEmpty())
        return;
    // The viewer's failure is told when it comes; the window goes on meanwhile.
    ExternalViewer::Open(percorso, this, [](const QString &motivo) { Dialogs::MsgBox("Errore " + motivo); });
}
