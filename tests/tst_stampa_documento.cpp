// The document the print run writes for a full sample project through the
// real windows and the shipped templates: valid RTF with every typed value
// and accented letter in place, and printed to a PDF printer as a word
// processor shows it.
#include "PilotaStampa.h"
#include "ProgettoEsempio.h"
#include "StampaProva.h"

#include "Calcolo.h"
#include "Lista.h"
#include "RtfConverter.h"
#include "RtfDocument.h"

#include <QRegularExpression>
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
// consortium members (2), made into a document through section 4's print
// page, and printed when `stampa`.
QByteArray StampaEsempio(PilotaStampa &s, int attivita = 1, bool stampa = false)
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
    if (stampa)
        s.Stampa();
    else
        s.SoloTesto();
    s.Avvia();
    s.Completata();
    return s.Testo();
}

// A printed page as pdftotext reads it: the paper and each word's box, in
// millimetres from the top left corner.
struct PaginaPdf
{
    QSizeF carta;
    QList<QRectF> parole;
};

QList<PaginaPdf> PaginePdf(const QString &pdf)
{
    static const QRegularExpression elemento(R"re(<page width="([\d.]+)" height="([\d.]+)"|<word )re"
                                             R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re");
    QList<PaginaPdf> pagine;
    for (const QRegularExpressionMatch &m : elemento.globalMatch(TestoPdf(pdf, "-bbox"))) {
        QList<qreal> mm;
        for (int n = 1; n <= 6; ++n)
            mm << m.captured(n).toDouble() * 25.4 / 72;
        if (m.capturedLength(1) > 0)
            pagine.append({QSizeF(mm[0], mm[1]), {}});
        else
            pagine.last().parole.append(QRectF(QPointF(mm[2], mm[3]), QPointF(mm[4], mm[5])));
    }
    return pagine;
}

// A text without blanks and invisible characters, ligatures spelled out:
// what the document's text and a rendering of it have in common.
QString Compatto(const QString &testo)
{
    QString compatto;
    for (const QChar c : testo.normalized(QString::NormalizationForm_KC))
        if (c.isPrint() && !c.isSpace())
            compatto += c;
    return compatto;
}

// The paragraphs of `testo` made of a label and one or two values after tabs,
// short enough for one line, that the printed text (pdftotext -layout)
// breaks: each needs a line of its own, found in order, that begins the
// paragraph and holds the first word of each value.
QStringList RigheSpezzate(const QString &testo, const QString &stampato)
{
    QStringList righe;
    for (const QString &riga : stampato.normalized(QString::NormalizationForm_KC).split(QRegularExpression("[\n\f]")))
        if (!riga.simplified().isEmpty())
            righe << riga.simplified();
    QStringList spezzate;
    qsizetype riga = 0;
    for (const QString &paragrafo : testo.split(u'\r')) {
        QStringList pezzi;
        for (const QString &pezzo : paragrafo.split(u'\t'))
            if (!pezzo.simplified().isEmpty())
                pezzi << pezzo.simplified();
        if (pezzi.size() < 2 || pezzi.size() > 3 || paragrafo.size() > 90)
            continue;
        const QString intero = pezzi.join(u' ');
        while (riga < righe.size() && !(intero.startsWith(righe[riga]) && righe[riga].startsWith(pezzi[0])))
            ++riga;
        const bool intera = riga < righe.size() && std::all_of(pezzi.begin(), pezzi.end(), [&](const QString &p) {
                                return righe[riga].contains(p.section(u' ', 0, 0));
                            });
        if (!intera)
            spezzate << paragrafo;
        riga = std::min(riga + 1, righe.size());
    }
    return spezzate;
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

    // Printed through the print page to a PDF printer, the document comes
    // out as a word processor shows it: on its A4 paper within its 2 cm
    // margins, its tab stops at their places, each line whole and once, the
    // pages in order, and about as many of them.
    void thePrinterReceivesTheDocumentAsItIs()
    {
        TestEnvironment env;
        PilotaStampa s(env, false);
        const QString pdf = env.Folder() + "/stampa.pdf";
        Dialogs::Queue(Dialogs::PrinterAnswer(1, pdf));
        RtfDocument documento;
        QVERIFY(documento.SetSource(StampaEsempio(s, 1, true)));
        QCOMPARE(Dialogs::Pending(), 0);

        const QStringList spezzate = RigheSpezzate(documento.Text(), TestoPdf(pdf));
        QVERIFY2(spezzate.isEmpty(), qPrintable(spezzate.mid(0, 5).join(" | ")));
        // Every character printed once, in the document's order.
        const QString stampato = Compatto(TestoPdf(pdf, "-raw"));
        const QString atteso = Compatto(documento.Text());
        const qsizetype uguali =
            std::mismatch(atteso.begin(), atteso.end(), stampato.begin(), stampato.end()).first - atteso.begin();
        QVERIFY2(stampato == atteso, qPrintable(stampato.mid(uguali - 40, 80)));
        const QList<PaginaPdf> pagine = PaginePdf(pdf);
        for (const PaginaPdf &pagina : pagine) {
            QCOMPARE(pagina.carta.toSize(), QSize(210, 297));
            QVERIFY(!pagina.parole.isEmpty());
            qreal sinistra = pagina.carta.width();
            for (const QRectF &parola : pagina.parole) {
                sinistra = std::min(sinistra, parola.left());
                QVERIFY2(QRectF(19, 19, 210 - 38, 297 - 38).contains(parola),
                         qPrintable(QString("%1, %2 mm").arg(parola.left()).arg(parola.top())));
            }
            QVERIFY2(sinistra >= 19 && sinistra <= 21, qPrintable(QString::number(sinistra)));
        }
        // LibreOffice Writer 7.4 on Debian 12 with fonts-dejavu-core only (so
        // that Arial is shown in DejaVu Sans, as here) shows this document in
        // 32 pages: soffice --headless --convert-to pdf, pages counted with
        // pdfinfo.
        QVERIFY2(std::abs(pagine.size() - 32) <= 3, qPrintable(QString::number(pagine.size())));
    }
};

QTEST_MAIN(TestStampaDocumento)
#include "tst_stampa_documento.moc"
