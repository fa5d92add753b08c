#include "Lista.h"

#include "CampoRiga.h"
#include "Caselle.h"
#include "Database.h"
#include "ElenchiFissi.h"
#include "Globali.h"
#include "Procedure.h"
#include "Recordset.h"

#include <array>
#include <cmath>

namespace {

const QString CR = QStringLiteral("\r");

const std::array<const char *, 4> NomiSedi = {"Sedi di proprietà", "Sedi in affitto stabilmente",
                                              "Sedi in affitto in occasione dell'attività formativa",
                                              "Sedi non ancora individuate"};

}  // namespace

const QString Lista::Mancante = QStringLiteral("lista 1\rlista 2\retc. etc.");

QStringList Lista::Chiavi()
{
    return {"DestinatariIntervento",  "SettoriIntervento",  "SedeoSedi",     "SedeoSedi2B",
            "DestinatariInterventoA", "SettoriInterventoA", "Certificazioni"};
}

QString Lista::Valore(const QString &chiave, const Recordset *apri)
{
    // Section 1 lists the target groups in List2 and the sectors in List1.
    if (chiave == "DestinatariIntervento")
        return destinatari_ = Voci("List2");
    if (chiave == "SettoriIntervento")
        return settori_ = Voci("List1");
    if (chiave == "SedeoSedi")
        return Sedi(ValoreCampo(TabPrincipale.get(), "SedeoSedi"));
    if (chiave == "SedeoSedi2B")
        return Sedi(ValoreCampo(apri, "SedeoSedi"));
    if (chiave == "DestinatariInterventoA")
        return destinatari_;
    if (chiave == "SettoriInterventoA")
        return settori_;
    if (chiave == "Certificazioni")
        return Certificazioni();
    return Mancante;
}

void Lista::SvuotaTesti()
{
    destinatari_.clear();
    settori_.clear();
}

QString Lista::Voci(const QString &lista) const
{
    QString testo;
    if (fonti_.sezione1) {
        for (const QString &voce : fonti_.sezione1->Voci(lista))
            testo += voce + CR;
    }
    return testo;
}

QString Lista::Sedi(const QVariant &maschera)
{
    const double valore = ValoreValido(maschera, TipoNumero).toDouble();
    // A figure beyond any mask of four boxes has no boxes ticked.
    const qint64 bit = std::abs(valore) < 1e15 ? qint64(valore) : 0;
    QString testo;
    for (int i = 0; i < 4; ++i) {
        if (bit & (qint64(1) << i))
            testo += QString::fromUtf8(NomiSedi[size_t(i)]) + CR;
    }
    return testo;
}

// The captions of the certificates ticked in section 3.
QString Lista::Certificazioni()
{
    if (!DB)
        return QString();
    std::unique_ptr<Recordset> riga =
        DB->OpenRecordset("Select * from DestinatariIntervento where Id = ?", {IdProgetto});
    QString testo;
    if (riga->Eof())
        return testo;
    const QStringList &certificati = ElenchiFissi::Certificati();
    for (int i = 0; i < int(certificati.size()); ++i) {
        if (ValoreValido(ValoreCampo(riga.get(), ElenchiFissi::PrimoCertificato + i), TipoNumero).toDouble() != 0)
            testo += certificati[i] + CR;
    }
    return testo;
}
