#include "Riempitore.h"

#include "CampoRiga.h"
#include "Database.h"
#include "Globali.h"
#include "Marcatore.h"
#include "Recordset.h"
#include "RichTextBox.h"
#include "TestoCampo.h"
#include "UserError.h"

#include <QRegularExpression>

#include <climits>

namespace {

const QString Nessuna = QStringLiteral("@");

// The numeric value of a type text, read as its leading digits; 0 without any.
int ValoreTipo(const QString &tipo)
{
    static const QRegularExpression cifre(R"(^\s*([0-9]{1,9}))");
    const auto trovato = cifre.match(tipo);
    return trovato.hasMatch() ? trovato.captured(1).toInt() : 0;
}

// True when `tabella` is a table with the field `campo` (and Tipo when the
// rows are restricted by it) and at least `ncampi` + 1 fields.
bool NomiValidi(const QString &tabella, const QString &campo, bool filtra, int ncampi)
{
    if (!DB || tabella.isEmpty() || !DB->HasTable(tabella))
        return false;
    const TableInfo &info = DB->Table(tabella);
    return info.Position(campo) >= 0 && (!filtra || info.Position("Tipo") >= 0) && ncampi < info.columns.size();
}

}  // namespace

Riempitore::Riempitore(RichTextBox &box) : box_(box), calcolo_(fonti_), lista_(fonti_) {}

QString Riempitore::RiempeRText(const Recordset *apri)
{
    calcolo_.Inizia();
    box_.SetSelStart(0);
    while (box_.Find("[") >= 0) {
        const int inizio = box_.SelStart();
        box_.SetSelLength(Marcatore::Massimo);
        const std::optional<Marcatore> marcatore = Marcatore::Leggi(box_.SelText());
        const std::optional<QString> valore = marcatore ? Valore(*marcatore, apri) : std::nullopt;
        if (valore) {
            box_.SetSelLength(marcatore->lunghezza);
            box_.SetSelRTF(*valore);
        } else {
            box_.SetSelStart(inizio + 1);  // left as it stands
        }
        // The search goes on after the value, which is never read as a marker.
        box_.SetSelLength(INT_MAX);
        if (box_.SelLength() == 0)
            break;
    }
    box_.SetSelStart(0);
    return QString();
}

// The row a marker's table word reads: the project's own rows, or the
// step's row for any other word.
const Recordset *Riempitore::Sorgente(const QString &parola, const Recordset *apri) const
{
    if (parola == "Principale")
        return TabPrincipale.get();
    if (parola == "Secondario")
        return TabSecondario.get();
    return apri;
}

std::optional<QString> Riempitore::Valore(const Marcatore &marcatore, const Recordset *apri)
{
    if (marcatore.genere == Marcatore::Lista)
        return ValoreLista(marcatore, apri);
    if (marcatore.parola == "Calcolo")
        return calcolo_.Valore(marcatore.campo, apri);
    if (marcatore.parola == "Lista")
        return lista_.Valore(marcatore.campo, apri);
    const Recordset *riga = Sorgente(marcatore.parola, apri);
    if (PosizioneCampo(riga, marcatore.campo) < 0)
        return std::nullopt;
    return TestoCampo(ValoreCampo(riga, marcatore.campo));
}

std::optional<QString> Riempitore::ValoreLista(const Marcatore &marcatore, const Recordset *apri)
{
    const Recordset *riga = Sorgente(marcatore.parola, apri);
    if (PosizioneCampo(riga, marcatore.campo) < 0
        || !NomiValidi(marcatore.parola, marcatore.campo, marcatore.FiltraTipo(), marcatore.ncampi))
        return std::nullopt;
    const QString testo = StringaTabella(marcatore.parola, marcatore.campo, ValoreCampo(riga, marcatore.campo),
                                         QString(marcatore.tipo), marcatore.ncampi);
    return testo == Nessuna ? QString() : testo;
}

QString Riempitore::StringaTabella(const QVariant &tabella, const QVariant &Campo, const QVariant &chiave,
                                   const QString &tipo, int ncampi)
{
    const QString nome = tabella.toString();
    const QString campo = Campo.toString();
    const bool filtra = ValoreTipo(tipo) < 9;
    if (!NomiValidi(nome, campo, filtra, ncampi))
        throw UserError(QString("Il modello di stampa nomina la tabella '%1' o il suo campo '%2', che non esistono.")
                            .arg(nome, campo));
    if (chiave.isNull())
        return Nessuna;
    const TableInfo &info = DB->Table(nome);
    QString query = QString("Select * from %1 where %2 = ?").arg(QuotedIdentifier(info.name), QuotedIdentifier(campo));
    QVariantList valori = {chiave};
    if (filtra) {
        query += " AND Tipo = ?";
        valori << ValoreTipo(tipo);
    }
    std::unique_ptr<Recordset> righe = DB->OpenRecordset(query, valori);
    if (righe->Eof())
        return Nessuna;
    QString testo;
    for (; !righe->Eof(); righe->MoveNext()) {
        for (int i = filtra ? 2 : 1; i <= ncampi; ++i)
            testo += '\t' + TestoCampo(righe->Field(i));
        testo += '\r';
    }
    return testo + '\r';
}

QByteArray Riempitore::AggiungiTesto(QByteArray &stringa, bool Primo) const
{
    QByteArray testo = box_.TextRTF();
    if (!Primo) {
        const qsizetype graffe = testo.indexOf("}}");
        testo.remove(0, graffe >= 0 ? graffe + 2 : 1);
    }
    testo.chop(3);
    stringa = testo;
    return stringa;
}
