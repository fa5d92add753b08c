#include "Calcolo.h"

#include "CampoRiga.h"
#include "Caselle.h"
#include "Database.h"
#include "Dialogs.h"
#include "Globali.h"
#include "NumberFormat.h"
#include "Procedure.h"
#include "Recordset.h"
#include "TestoCampo.h"

#include <QRegularExpression>

#include <array>

namespace {

const QString CR = QStringLiteral("\r");

// Name tables, indexed from 1.
const std::array<const char *, 3> Lingue = {"Francese", "Tedesco", "Spagnolo"};
const std::array<const char *, 6> AttivitaDelegate = {
    "Progettazione", "Selezione", "Orientamento", "Dispense", "Segreteria Amministrativa", "Docenza"};
const std::array<const char *, 3> Ambiti = {"Nazionale", "Regionale", "Provinciale"};

// The name at `numero` (from 1); the empty text outside the table.
template <size_t N>
QString Nome(const std::array<const char *, N> &tabella, double numero)
{
    if (numero < 1 || numero > double(N))
        return QString();
    return QString::fromUtf8(tabella[size_t(numero) - 1]);
}

QString Importo(double valore)
{
    return FormatNumber(valore, "#,###");
}

// Keys whose value is the product of three fields of the printed row.
struct Prodotto
{
    const char *chiave;
    std::array<const char *, 3> campi;
};
const Prodotto Prodotti[] = {
    {"Tdisoccupati", {"DiscoccupatiN", "DisoccupatiOre", "DisoccupatiImporto"}},
    {"TOccupati", {"OccupatiN", "OccupatiOre", "OccupatiImporto"}},
    {"TSostRedd", {"SostRedditoN", "SostRedditoMesi", "SostRedditoImporto"}},
    {"TIncOccup", {"IncOccupazioneN", "IncOccupazioneOre", "IncOccupazioneImporto"}},
    {"TProgett", {"ProgettazioneN", "ProgettazioneOre", "ProgettazioneImporto"}},
    {"TDispense", {"DispenseN", "DispenseOre", "DispenseImporto"}},
    {"TFAD", {"FadN", "FadOre", "FadImporto"}},
};

// Keys whose value is the text of one of section 1's or section 4's boxes.
struct Copia
{
    const char *chiave;
    bool sezione1;
    const char *casella;
};
const Copia Copie[] = {
    {"TotaleOre", true, "Text2"},     {"TotaleAllievi", true, "Text3"}, {"CostoOraAllievo", true, "Text4"},
    {"TIndennita", false, "Text2"},   {"TAssic", false, "Text3"},       {"TRisorse", false, "Text9"},
    {"TSelezione", false, "Text23"},  {"TAttrezz", false, "Text16"},    {"TDotazioneC", false, "Text17"},
    {"TDotazioneI", false, "Text19"}, {"TConsumo", false, "Text18"},    {"TGestione", false, "Text1(8)"},
    {"TUmane", false, "Text33"},      {"TCommiss", false, "Text7"},     {"T4A", false, "Text25(0)"},
    {"T4B", false, "Text25(1)"},      {"T4C", false, "Text25(2)"},      {"TR", false, "Text25(3)"},
    {"TTotali", false, "Text26"},
};

// Keys whose value is the sum of three of section 4's boxes.
struct Somma
{
    const char *chiave;
    std::array<const char *, 3> caselle;
};
const Somma Somme[] = {
    {"TResidenz", {"Text4", "Text5", "Text6"}},
    {"TStages", {"Text20", "Text21", "Text31"}},
    {"Tmissioni4b", {"Text12", "Text13", "Text14"}},
    {"TmissioniR", {"Text8", "Text10", "Text11"}},
};

const QStringList Altre = {"OperatoreDP",
                           "Kvr",
                           "AT23A",
                           "AT23B",
                           "Anno",
                           "Anno1",
                           "Anno2",
                           "TotaleOrePratica",
                           "IntestaTDelegati",
                           "TitoloTDelegati",
                           "TTDestin",
                           "Lingua",
                           "AzioniSistemi",
                           "AzioniPersone",
                           "AzioniDiffusione"};

}  // namespace

const QString Calcolo::Mancante = QStringLiteral("Calcolo da effettuare");

QStringList Calcolo::Chiavi()
{
    QStringList chiavi;
    for (const Prodotto &p : Prodotti)
        chiavi << p.chiave;
    for (const Copia &c : Copie)
        chiavi << c.chiave;
    for (const Somma &s : Somme)
        chiavi << s.chiave;
    return chiavi + Altre;
}

QString Calcolo::Valore(const QString &chiave, const Recordset *apri)
{
    for (const Prodotto &p : Prodotti) {
        if (chiave == QLatin1String(p.chiave))
            return Importo(NumeroCampo(apri, p.campi[0]) * NumeroCampo(apri, p.campi[1])
                           * NumeroCampo(apri, p.campi[2]));
    }
    for (const Copia &c : Copie) {
        if (chiave == QLatin1String(c.chiave)) {
            const Caselle *finestra = c.sezione1 ? fonti_.sezione1 : fonti_.sezione4;
            return finestra ? finestra->Testo(c.casella) : QString();
        }
    }
    for (const Somma &s : Somme) {
        if (chiave == QLatin1String(s.chiave))
            return SommaCaselle({s.caselle[0], s.caselle[1], s.caselle[2]});
    }
    const Recordset *principale = TabPrincipale.get();
    if (chiave == "OperatoreDP")
        return OperatoreDP();
    if (chiave == "Kvr")
        return Kvr();
    if (chiave == "AT23A")
        return Nome(Ambiti, NumeroCampo(principale, "AmbitoTerritoriale") + 1);
    if (chiave == "AT23B")  // a member's own coding: 0 Provinciale, 1 Regionale, 2 Nazionale
        return Nome(Ambiti, 3 - NumeroCampo(apri, "AmbitoTerritoriale"));
    if (chiave == "Anno")
        return TestoCampo(ValoreCampo(principale, "ComboAnno"));
    if (chiave == "Anno1")
        return Anno(1);
    if (chiave == "Anno2")
        return Anno(2);
    if (chiave == "TotaleOrePratica")
        return Importo(NumeroCampo(apri, "Stage") + NumeroCampo(apri, "Visite") + NumeroCampo(apri, "Esercitazioni")
                       + NumeroCampo(apri, "Project"));
    if (chiave == "IntestaTDelegati")
        return IntestaTDelegati();
    if (chiave == "TitoloTDelegati")
        return Nome(AttivitaDelegate, NumeroCampo(apri, "tipo"));
    if (chiave == "TTDestin")
        return TTDestin();
    if (chiave == "Lingua")
        return Nome(Lingue, NumeroCampo(principale, "lingua") + 1);
    if (chiave == "AzioniSistemi")
        return AzioniGruppo(1);
    if (chiave == "AzioniPersone")
        return AzioniGruppo(2);
    if (chiave == "AzioniDiffusione")
        return AzioniGruppo(3);
    return Mancante;
}

QString Calcolo::OperatoreDP() const
{
    const Recordset *principale = TabPrincipale.get();
    const auto vero = [&](const char *campo) { return ValoreCampo(principale, campo).toBool(); };
    if (vero("OperatoreDPrivato"))
        return QString("Operatore di diritto privato")
               + (vero("FiniLucro") ? " Con fini di lucro" : " Senza fini di lucro");
    if (vero("OperatoreDP"))
        return "Operatore di diritto pubblico";
    return QString();
}

// The split of section 1's grid, chosen by the trainees' status that section 1
// stores and shows: the public financing is its percentage of the cost, the
// fund, F.D.R. and region shares are theirs of the public financing, and the
// proposer's share is its percentage of the cost.
QString Calcolo::Kvr() const
{
    const bool occupati = ValoreCampo(TabPrincipale.get(), "UsufruitoKVR").toBool();
    const double costo = NumeroCampo(TabSecondario.get(), "CostoProgetto");
    const double pubblico = (occupati ? 70 : 100) * costo / 100;
    struct Riga
    {
        const char *etichetta;
        int percentuale;
        double importo;
    };
    const Riga righe[] = {
        {"Finanziamento K.V.R.richiesto", 70, 70 * pubblico / 100},
        {"Quota Finanziamento FDR", 21, 21 * pubblico / 100},
        {"Quota Finanziamento Regionale", 9, 9 * pubblico / 100},
        {"Finanziamento Pubblico", occupati ? 70 : 100, pubblico},
        {"Quota di partecipazione del proponente", occupati ? 30 : 0, (occupati ? 30 : 0) * costo / 100},
    };
    QString testo;
    for (const Riga &riga : righe)
        testo += QString("%1\t%2\t%3%").arg(riga.etichetta, Importo(riga.importo)).arg(riga.percentuale) + CR;
    return testo;
}

// The year ComboAnno starts with, plus `dopo`; the empty text when it holds no year.
QString Calcolo::Anno(int dopo) const
{
    static const QRegularExpression iniziale(R"(^\s*([+-]?\d{1,9}))");
    const auto trovato = iniziale.match(TestoCampo(ValoreCampo(TabPrincipale.get(), "ComboAnno")));
    if (!trovato.hasMatch())
        return QString();
    return QString::number(trovato.captured(1).toLongLong() + dopo);
}

// The project's cost per trainee-hour; "0" when there are no trainees or no
// hours, as page 10 of section 4 shows it.
QString Calcolo::TTDestin() const
{
    const Recordset *secondario = TabSecondario.get();
    const double allievi = NumeroCampo(secondario, "Allievi") + NumeroCampo(secondario, "Allieve");
    const double ore = NumeroCampo(secondario, "OreTeoria") + NumeroCampo(secondario, "OrePratica");
    const double prodotto = allievi * ore;
    if (prodotto <= 0)
        return "0";
    return Importo(NumeroCampo(secondario, "TotaleGenerale") / prodotto);
}

QString Calcolo::IntestaTDelegati()
{
    if (!primaIntestazione_)
        return QString();
    primaIntestazione_ = false;
    return "Terzi Delegati";
}

QString Calcolo::AzioniGruppo(int gruppo) const
{
    if (!DB)
        return QString();
    std::unique_ptr<Recordset> azioni = DB->OpenTable("Azioni");
    azioni->SetIndex("ID");
    azioni->Seek("=", IdProgetto);
    if (azioni->NoMatch()) {
        Dialogs::MsgBox("Azioni incongruente");
        return QString();
    }
    std::unique_ptr<Recordset> tipi = DB->OpenRecordset("Select * from TabAzioni where Gruppo = ?", {gruppo});
    QString testo;
    for (tipi->MoveFirst(); !tipi->Eof(); tipi->MoveNext()) {
        const double colonna = ValoreValido(tipi->Field("Id"), TipoNumero).toDouble();
        const bool colonnaValida = colonna >= 1 && colonna < azioni->FieldCount();
        const QVariant chiave = colonnaValida ? ValoreCampo(azioni.get(), int(colonna)) : QVariant();
        if (ValoreValido(chiave, TipoNumero).toDouble() > 0)
            testo += TestoCampo(tipi->Field("Descrizione")) + CR;
    }
    return testo + CR;
}

QString Calcolo::Casella(const QString &nome) const
{
    return fonti_.sezione4 ? fonti_.sezione4->Testo(nome) : QString();
}

QString Calcolo::SommaCaselle(const QStringList &nomi) const
{
    double somma = 0;
    for (const QString &nome : nomi)
        somma += ValoreValido(Casella(nome), TipoNumero).toDouble();
    return Importo(somma);
}
