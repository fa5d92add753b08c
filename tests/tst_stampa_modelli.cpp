// The 13 shipped templates: their common contract, their markers against
// the steps that fill them, and random fills that always end balanced. The
// document they make, every stored text in it and its layout, is with the
// print run's document.
#include "ProgettoEsempio.h"
#include "StampaProva.h"

#include "Calcolo.h"
#include "Lista.h"
#include "Marcatore.h"
#include "RtfDocument.h"
#include "UserError.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// The shipped templates in the order of the print run, each with the table
// of the row its step fills it from ("" for none).
QList<std::pair<QString, QString>> Modelli()
{
    QList<std::pair<QString, QString>> modelli;
    for (const QString &voce :
         QString("fase1.rtf fase1ats.rtf=ATS fase1fine.rtf fase2.rtf=Committenti fase3.rtf=Consorzi "
                 "fase4.rtf=DestinatariIntervento fase5.rtf=ProgrammaDidattico fase6.rtf=ProgrammaAzione fase7.rtf "
                 "fase7delega.rtf=TerziDelegati fase7fine.rtf fase8.rtf=SpeseSez3 totale.rtf=Principale")
             .split(' '))
        modelli.append({voce.section('=', 0, 0), voce.section('=', 1)});
    return modelli;
}

QString CartellaModelli()
{
    return QFileInfo(VELKARO_SHIPPED_DB).path();
}

QByteArray Modello(const QString &nome)
{
    return ReadBytes(QDir(CartellaModelli()).filePath(nome));
}

RtfDocument Documento(const QByteArray &rtf)
{
    RtfDocument documento;
    if (!documento.SetSource(rtf))
        qFatal("not RTF");
    return documento;
}

// The markers of a document's visible text, with their positions; a "["
// that opens no marker is returned as nothing.
QList<std::pair<int, std::optional<Marcatore>>> Marcatori(const QString &testo)
{
    QList<std::pair<int, std::optional<Marcatore>>> marcatori;
    for (qsizetype i = testo.indexOf('['); i >= 0; i = testo.indexOf('[', i + 1))
        marcatori.append({int(i), Marcatore::Leggi(QStringView(testo).sliced(i))});
    return marcatori;
}

// The table whose row a catalogue key reads, and the templates whose step
// has the window the key reads.
QString RigaDellaChiave(const QString &parola, const QString &chiave)
{
    static const QStringList spese = {
        "Tdisoccupati", "TOccupati", "TSostRedd", "TIncOccup",  "TProgett",  "TDispense",   "TFAD",
        "TIndennita",   "TAssic",    "TRisorse",  "TSelezione", "TAttrezz",  "TDotazioneC", "TDotazioneI",
        "TConsumo",     "TGestione", "TUmane",    "TCommiss",   "TResidenz", "TStages",     "Tmissioni4b",
        "TmissioniR",   "T4A",       "T4B",       "T4C",        "TR",        "TTotali"};
    if (parola == "Calcolo" && spese.contains(chiave))
        return "SpeseSez3";
    if ((parola == "Calcolo" && chiave == "AT23B") || (parola == "Lista" && chiave == "SedeoSedi2B"))
        return "Consorzi";
    if (parola == "Calcolo" && chiave == "TotaleOrePratica")
        return "ProgrammaDidattico";
    if (parola == "Calcolo" && chiave == "TitoloTDelegati")
        return "TerziDelegati";
    return QString();
}

bool LeggeSezione1(const QString &parola, const QString &chiave)
{
    return (parola == "Calcolo" && QStringList{"TotaleOre", "TotaleAllievi", "CostoOraAllievo"}.contains(chiave))
           || (parola == "Lista" && QStringList{"DestinatariIntervento", "SettoriIntervento"}.contains(chiave));
}

// What is wrong with a marker for the step that fills it; empty when nothing.
QString Problema(const Marcatore &m, const QString &tabellaPasso, const QString &modello)
{
    const auto campoDi = [](const QString &tabella, const QString &campo) {
        return DB->HasTable(tabella) && DB->Table(tabella).Position(campo) >= 0;
    };
    const QString sorgente = m.parola == "Principale" || m.parola == "Secondario" ? m.parola : tabellaPasso;
    if (m.genere == Marcatore::Lista) {
        if (!DB->HasTable(m.parola))
            return "lists no table";
        if (!campoDi(sorgente, m.campo) || !campoDi(m.parola, m.campo))
            return "key field missing";
        if (m.FiltraTipo() && !campoDi(m.parola, "Tipo"))
            return "no Tipo";
        if (m.ncampi >= DB->Table(m.parola).columns.size())
            return "count beyond the fields";
        return QString();
    }
    if (m.parola == "Calcolo" || m.parola == "Lista") {
        const QStringList chiavi = m.parola == "Calcolo" ? Calcolo::Chiavi() : Lista::Chiavi();
        if (!chiavi.contains(m.campo))
            return "no such key";
        const QString riga = RigaDellaChiave(m.parola, m.campo);
        if (!riga.isEmpty() && riga != tabellaPasso)
            return "the key reads a row the step does not give";
        if (LeggeSezione1(m.parola, m.campo) && modello != "fase1.rtf")
            return "section 1 is open only in the first step";
        if (m.campo.endsWith("InterventoA") && modello == "fase1.rtf")
            return "a kept list before its source";
        return QString();
    }
    if (m.parola != "Principale" && m.parola != "Secondario" && m.parola != tabellaPasso)
        return "table word of another step";
    return campoDi(sorgente, m.campo) ? QString() : "no such field";
}

}  // namespace

class TestStampaModelli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { InitTestProcess(); }

    // One header, byte for byte, in all 13; bodies from "\\pard\\plain" to
    // "\\par"; plain ASCII; braces balanced.
    void iModelliRispettanoIlContratto()
    {
        const QByteArray primo = Modello("fase1.rtf");
        const QByteArray intestazione = primo.left(primo.indexOf("}}") + 2);
        QVERIFY(intestazione.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        for (const auto &[nome, tabella] : Modelli()) {
            const QByteArray rtf = Modello(nome);
            QVERIFY2(rtf.startsWith(intestazione + "\r\n\\pard\\plain"), qPrintable(nome));
            QVERIFY2(rtf.endsWith("\\par\r\n}\r\n"), qPrintable(nome));
            for (const char byte : rtf)
                QVERIFY2(uchar(byte) < 128, qPrintable(nome));  // other characters as \'hh
            QVERIFY2(Bilanciato(rtf.chopped(2)), qPrintable(nome));
        }
    }

    // Every marker of every template is whole in the source and names a
    // table word, field or key that exists for the step that fills it.
    void ogniMarcatoreNominaCioCheIlPassoHa()
    {
        TestEnvironment env;
        env.OpenNewProject();
        QStringList problemi;
        for (const auto &[nome, tabella] : Modelli()) {
            const RtfDocument documento = Documento(Modello(nome));
            for (const auto &[posizione, marcatore] : Marcatori(documento.Text())) {
                const QString dove = QString("%1 at %2: ").arg(nome).arg(posizione);
                if (!marcatore) {
                    problemi << dove + "malformed " + documento.Text().mid(posizione, 50);
                    continue;
                }
                // Written in one piece in the source.
                for (int i = 1; i < marcatore->lunghezza; ++i) {
                    if (documento.TokenOf(posizione + i) != documento.TokenOf(posizione) + i)
                        problemi << dove + "split by formatting";
                }
                if (const QString problema = Problema(*marcatore, tabella, nome); !problema.isEmpty())
                    problemi << dove + problema + " " + marcatore->parola + "/" + marcatore->campo;
            }
        }
        QVERIFY2(problemi.isEmpty(), qPrintable(problemi.join('\n')));
    }

    // Random bodies and mutated templates, with random values: the filling
    // always ends, leaves balanced RTF, and reads back as the box shows it.
    void riempimentoCasualeFinisceSempreBilanciato()
    {
        TestEnvironment env;
        env.OpenNewProject();
        ProgettoEsempio{.azioniScelte = 2}.Crea();
        StampaProva stampa;
        QRandomGenerator caso(20240607);
        // Pieces of a template body: markers whole, cut or empty, and RTF.
        const QStringList marcatori = {"[Principale!Oggetto]", "[Principale!CodiceEnte]",    "[Secondario!Banca]",
                                       "[Calcolo!Kvr]",        "[Calcolo!IntestaTDelegati]", "[Lista!SedeoSedi]",
                                       "[ATS@Id39]",           "[ElencoAllegati@Id29]",      "[Principale!",
                                       "[Tab!x@Id31]"};
        const QStringList comandi = {"{\\*\\bkmkstart a}", "{\\b ",  "}",    "\\par ", "\\tab ", "\\'e0",
                                     "\\u8364?",           "\\uc0 ", "\\\\", "\\{",    "testo "};
        const QStringList pezzi = marcatori + comandi + QStringList{"[@]", "[!]", "]", "[", "@", "!"};
        const QList<QChar> caratteri = {'[',  ']',  '{', '}',         '\\',          '!',           '@',          '\t',
                                        '\r', '\n', 'a', QChar(0xE0), QChar(0x20AC), QChar(0xD83D), QChar(0xDE00)};
        const auto valore = [&] {
            QString testo;
            for (int i = int(caso.bounded(12)); i > 0; --i)
                testo += caratteri[caso.bounded(int(caratteri.size()))];
            return testo;
        };
        QElapsedTimer tempo;
        tempo.start();
        int giri = 0;
        for (; giri < 400 && tempo.elapsed() < 2000; ++giri) {
            env.ExecSql("update Principale set Oggetto = ?, CodiceEnte = ? where Id = ?",
                        {valore(), valore(), IdProgetto});
            env.ExecSql("update ATS set Denominazione = ?", {valore()});
            QByteArray rtf;
            if (giri % 2 == 0) {
                QByteArray corpo = "\\pard\\plain ";
                for (int i = int(caso.bounded(30)); i > 0; --i)
                    corpo += pezzi[caso.bounded(int(pezzi.size()))].toLatin1();
                rtf = ModelloProva(corpo);
            } else {
                rtf = Modello(Modelli()[caso.bounded(int(Modelli().size()))].first);
                for (int i = int(caso.bounded(8)); i >= 0; --i) {
                    const qsizetype dove = caso.bounded(int(rtf.size()));
                    const char inserito = "[]{}\\!@9x"[caso.bounded(9)];
                    if (caso.bounded(2) == 0)
                        rtf.remove(dove, 1 + caso.bounded(3));
                    else
                        rtf.insert(dove, inserito);
                }
            }
            try {
                stampa.Carica(rtf);
            } catch (const UserError &) {
                continue;  // no longer an RTF document
            }
            QVERIFY(TrovaProgetto());
            const std::unique_ptr<Recordset> ats = DB->OpenRecordset("Select * from ATS where Id = ?", {IdProgetto});
            stampa.riempitore.RiempeRText(ats.get());
            const QByteArray riempito = stampa.box.TextRTF();
            QVERIFY2(Bilanciato(riempito.chopped(2)), riempito.constData());
            // Read afresh, the document shows what the box shows.
            QCOMPARE(Documento(riempito).Text(), stampa.Testo());
        }
        QVERIFY(giri >= 20);
    }
};

QTEST_MAIN(TestStampaModelli)
#include "tst_stampa_modelli.moc"
