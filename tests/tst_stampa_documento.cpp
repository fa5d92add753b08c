// The document the print run writes for a full sample project through the
// real windows and the shipped templates: valid RTF with every typed value
// and accented letter in place, and, where LibreOffice is installed, a word
// processor's conversion of it to PDF with the whole form.
#include "PilotaStampa.h"
#include "ProgettoEsempio.h"
#include "StampaProva.h"

#include "Calcolo.h"
#include "Lista.h"
#include "RtfConverter.h"
#include "RtfDocument.h"

#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The tables whose texts the printed form shows, each under its caption.
inline const QStringList TabelleStampate = {"Principale",         "Secondario",         "ATS",
                                            "Committenti",        "Consorzi",           "DestinatariIntervento",
                                            "ProgrammaDidattico", "AttrezzatureModuli", "ProgrammaAzione",
                                            "TerziDelegati",      "SpeseSez3",          "AttrezzatureMateriale",
                                            "MaterialiServizi",   "SpeseRisorse",       "ElencoAllegati"};

// The texts of the sample project's first rows in `tabelle` that a printed
// text lacks; the title (which holds a marker) and the year (printed as a
// number) left out.
inline QStringList TestiMancanti(const QString &stampato, const QStringList &tabelle = TabelleStampate)
{
    QStringList mancanti;
    for (const QString &tabella : tabelle) {
        for (const ColumnInfo &colonna : DB->Table(tabella).columns) {
            const QString valore = ProgettoEsempio::Testo(tabella, colonna.name, 1);
            if (colonna.kind == ColumnInfo::Kind::Text && colonna.name != "Oggetto" && colonna.name != "ComboAnno"
                && !stampato.contains(valore))
                mancanti << valore;
        }
    }
    return mancanti;
}

// The full sample project, its members client companies (activity 1) or
// consortium members (2), printed through section 4's print page.
QByteArray StampaEsempio(PilotaStampa &s, int attivita = 1)
{
    ProgettoEsempio{.membri = 2,
                    .moduli = 2,
                    .azioniDescritte = 2,
                    .azioniScelte = 3,
                    .righeCosto = 1,
                    .allegati = 2,
                    .attivitaFormativa = attivita}
        .Crea();
    s.ModelliVeri();
    s.ApriStampa();
    s.SoloTesto();
    s.Avvia();
    s.Completata();
    return s.Testo();
}

}  // namespace

class TestStampaDocumento : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    void theDocumentIsValidRtfWithEveryValue_data()
    {
        QTest::addColumn<int>("attivita");
        QTest::newRow("client companies") << 1;
        QTest::newRow("consortium members") << 2;
    }

    // Balanced braces and one header; the title's accented letters, braces,
    // backslash and brackets intact; every text stored for the project and
    // the sample's computed values printed, each under its caption; laid
    // out by the rich-text converter with its formatting.
    void theDocumentIsValidRtfWithEveryValue()
    {
        QFETCH(int, attivita);
        TestEnvironment env;
        PilotaStampa s(env, false);
        const QByteArray documento = StampaEsempio(s, attivita);
        QVERIFY(Bilanciato(documento));
        QCOMPARE(documento.count("\\rtf1"), 1);
        QVERIFY(documento.startsWith("{\\rtf1"));
        QVERIFY(documento.endsWith("}\r\n"));

        RtfDocument rtf;
        QVERIFY(rtf.SetSource(documento));
        QTextDocument pagine;
        RtfConverter::Convert(rtf, &pagine, 96);
        const QString testo = pagine.toPlainText();
        // The title with its accented quotes, braces, backslash and brackets.
        QVERIFY(testo.contains(QString::fromUtf8("Corso «base» per saldatori {TIG} \\ [Principale!Oggetto]")));
        QVERIFY(documento.contains("\\'abbase\\'bb"));
        // The members of the other kind are not printed.
        QStringList tabelle = TabelleStampate;
        tabelle.removeOne(attivita == 1 ? "Consorzi" : "Committenti");
        const QStringList mancanti = TestiMancanti(testo, tabelle);
        QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti.join(", ")));
        QCOMPARE(testo.count("PREVENTIVO GENERALE DELLE SPESE DELL'AZIONE"), 3);
        // The project's total as section 4 stored it for its three actions.
        QVERIFY(testo.contains("TOTALE GENERALE\t6000000"));
        // Computed values of the sample: the split, the scope, language and
        // certificate names; no fallback text.
        for (const char *calcolato :
             {"Finanziamento Pubblico\t175.000.000\t70%", "Quota di partecipazione del proponente\t75.000.000\t30%",
              "Regionale", "Tedesco", "Certificato di Specializzazione"})
            QVERIFY2(testo.contains(calcolato), calcolato);
        QVERIFY(!testo.contains(Calcolo::Mancante) && !testo.contains(Lista::Mancante));
        // The heading of the delegated activities in each of their templates.
        for (const char *tipo : {"Progettazione", "Selezione", "Orientamento", "Dispense", "Docenza"})
            QVERIFY2(testo.contains(QString("Terzi Delegati\n%1\n").arg(tipo)), tipo);

        // Laid out as bold values, tab stops and pages.
        const QTextCursor titolo = pagine.find(QString::fromUtf8("«Principale.RagioneSociale 1»"));
        QVERIFY(!titolo.isNull());
        QCOMPARE(titolo.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(pagine.find("Finanziamento Pubblico").block().blockFormat().tabPositions().size(), 2);
        int interruzioni = 0;
        for (QTextBlock blocco = pagine.begin(); blocco.isValid(); blocco = blocco.next())
            interruzioni += blocco.blockFormat().pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore;
        QVERIFY(interruzioni >= 8);
    }

    // LibreOffice Writer opens the document and prints the whole form.
    void aWordProcessorConvertsItToPdf()
    {
        const QString writer = QStandardPaths::findExecutable("soffice");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (writer.isEmpty() || pdftotext.isEmpty())
            QSKIP("LibreOffice (soffice) or pdftotext is not installed");
        TestEnvironment env;
        PilotaStampa s(env, false);
        StampaEsempio(s);
        const QString profilo = QUrl::fromLocalFile(env.Folder() + "/profilo").toString();
        Esegui(writer, {"-env:UserInstallation=" + profilo, "--headless", "--convert-to", "pdf", "--outdir",
                        env.Folder() + "/pdf", s.Documento()});
        const QString pdf = env.Folder() + "/pdf/" + QFileInfo(s.Documento()).completeBaseName() + ".pdf";
        QVERIFY2(QFileInfo::exists(pdf), "LibreOffice wrote no PDF");
        const QString testo = TestoPdf(pdf).simplified();
        QVERIFY(testo.contains(QString::fromUtf8("Corso «base» per saldatori {TIG} \\ [Principale!Oggetto]")));
        for (const char *parte : {"SEZIONE 1", "SEZIONE 2", "SEZIONE 3", "SEZIONE 4", "TOTALE GENERALE"})
            QVERIFY2(testo.contains(parte), parte);
        QCOMPARE(testo.count("PREVENTIVO GENERALE DELLE SPESE DELL'AZIONE"), 3);
        QVERIFY(testo.contains(QString::fromUtf8("«ElencoAllegati.Descrizione 2»")));
        QVERIFY(testo.contains("TOTALE GENERALE 6000000"));
    }
};

QTEST_MAIN(TestStampaDocumento)
#include "tst_stampa_documento.moc"
