#pragma once

// Drives section 4's print page in tests: the project's templates in the
// program's folder, the window opened through the "&Stampa" menu, the
// options and buttons clicked, and every step of the run recorded as the
// bar advances.
#include "ControlliProva.h"
#include "PilotaSezione4.h"
#include "StampaProva.h"

#include "CorsaStampa.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Impostazioni.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

// The 13 templates of the print run.
inline const QStringList NomiModelli = {
    "fase1.rtf", "fase1ats.rtf", "fase1fine.rtf",   "fase2.rtf",     "fase3.rtf", "fase4.rtf", "fase5.rtf",
    "fase6.rtf", "fase7.rtf",    "fase7delega.rtf", "fase7fine.rtf", "fase8.rtf", "totale.rtf"};

class PilotaStampa : public PilotaSezione4
{
public:
    explicit PilotaStampa(TestEnvironment &env, bool azioni = true) : PilotaSezione4(env, azioni) {}

    // The shipped templates in the program's folder.
    void ModelliVeri() const
    {
        const QDir spedite = QFileInfo(VELKARO_SHIPPED_DB).dir();
        for (const QString &nome : NomiModelli) {
            QFile::remove(Modello(nome));
            QFile::copy(spedite.filePath(nome), Modello(nome));
        }
    }
    // Small templates whose body names the template and carries `marcatori`
    // (keyed by the template's name), so that the document shows which
    // fragment came from where.
    void ModelliBrevi(const QMap<QString, QByteArray> &marcatori = {}) const
    {
        for (const QString &nome : NomiModelli)
            WriteBytes(Modello(nome), ModelloProva(Corpo(nome, marcatori.value(nome))));
    }
    // The body of a small template in the document.
    static QByteArray Corpo(const QString &nome, const QByteArray &marcatori = {})
    {
        return "<" + QFileInfo(nome).completeBaseName().toLatin1() + marcatori + ">\\par";
    }
    QString Modello(const QString &nome) const { return QDir(CartellaProgramma()).filePath(nome); }

    // Section 4 opened on its print page through the menu.
    void ApriStampa()
    {
        Menu("Stampa");
        form = qobject_cast<Sezione4Form *>(Finestra());
        QVERIFY(form);
        QCOMPARE(Pagina(), 11);
        // The run's advances, under the hourglass; not the filling up to 40 after it.
        QObject::connect(form->ui.ProgressBar1, &QProgressBar::valueChanged, form, [this](int valore) {
            if (!QApplication::overrideCursor())
                return;
            passi << form->ui.Label8->text();
            barra << valore;
        });
    }
    // With the small templates, a run from the print page that writes the
    // RTF text only.
    void StampaTesto(const QMap<QString, QByteArray> &marcatori = {})
    {
        ModelliBrevi(marcatori);
        ApriStampa();
        SoloTesto();
        Avvia();
    }
    // Chooses the RTF text only, or printing.
    void SoloTesto() { Clic(form->ui.Option2); }
    void Stampa() { Clic(form->ui.Option1); }
    void Avvia()
    {
        passi.clear();
        barra.clear();
        Premi(form->ui.AvviaStampa);
    }

    QString Documento() const { return CartellaProgramma() + CorsaStampa::NomeDocumento(); }
    QByteArray Testo() const { return ReadBytes(Documento()); }
    // The message that names the document, with its full path.
    QString Messaggio() const
    {
        return "Il testo generato si chiama " + QDir::toNativeSeparators(QFileInfo(Documento()).absoluteFilePath());
    }
    // The page as it is before a run and after a failed one.
    void PaginaAPosto() const
    {
        QCOMPARE(form->ui.Label11->text(), QString("Preparazione progetto per la stampa"));
        QCOMPARE(form->ui.Label8->text(), QString());
        QCOMPARE(form->ui.ProgressBar1->value(), 1);
        QVERIFY(form->ui.AvviaStampa->isEnabled() && form->ui.Annulla->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!form->IsBusy());
    }
    void Completata() const
    {
        QCOMPARE(form->ui.Label11->text(), QString("Preparazione progetto per la stampa ........"));
        QCOMPARE(form->ui.Label8->text(), QString("Completata"));
        QCOMPARE(form->ui.ProgressBar1->value(), 40);
        QVERIFY(form->ui.AvviaStampa->isEnabled() && form->ui.Annulla->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    // The label shown and the bar's value at each advance of the last run.
    QStringList passi;
    QList<int> barra;
};
