#pragma once

// A project with a value in every stored field, and the printed document
// the print run writes for it with stand-ins for the windows. Used by the
// printout's tests and its benchmark.
#include "CaselleProva.h"
#include "CorsaStampa.h"
#include "Database.h"
#include "FinestreStampa.h"
#include "Globali.h"
#include "Recordset.h"
#include "RichTextBox.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStringList>

#include <functional>

struct ProgettoEsempio
{
    int membri = 3;           // rows of ATS, Committenti and Consorzi
    int moduli = 2;           // rows of ProgrammaDidattico
    int azioniDescritte = 2;  // rows of ProgrammaAzione
    int azioniScelte = 19;    // action types chosen, from the first
    int righeCosto = 2;       // lines of each cost grid of an action
    int allegati = 3;
    int attivitaFormativa = 1;

    // The text stored in a text field: unique to its table, field and row.
    static QString Testo(const QString &tabella, const QString &campo, int riga)
    {
        return QString::fromUtf8("«%1.%2 %3»").arg(tabella, campo).arg(riga);
    }

    // Fills the current project's rows and adds its rows to every other table.
    void Crea() const
    {
        Transaction transazione(*DB);
        Aggiorna("Principale", 1,
                 {{"ATS", true},
                  {"AttivitaFormativa", attivitaFormativa},
                  {"AmbitoTerritoriale", 1},
                  {"SedeoSedi", 5},
                  {"ComboAnno", "2001"},
                  {"lingua", 1},
                  {"UsufruitoKVR", true},
                  {"OperatoreDPrivato", true},
                  {"Oggetto", QString::fromUtf8("Corso «base» per saldatori {TIG} \\ [Principale!Oggetto]")}});
        Aggiorna("Secondario", 1,
                 {{"DelegaTerzi", true},
                  {"CostoProgetto", 250000000},
                  {"TotaleGenerale", 180000000},
                  {"Allievi", 12},
                  {"Allieve", 8},
                  {"OreTeoria", 300},
                  {"OrePratica", 200}});
        for (int n = 1; n <= membri; ++n) {
            Aggiungi("ATS", n, {{"Id", IdProgetto}});
            Aggiungi("Committenti", n, {{"Id", IdProgetto}});
            Aggiungi("Consorzi", n, {{"Id", IdProgetto}, {"AmbitoTerritoriale", n % 3}, {"SedeoSedi", n % 16}});
        }
        QVariantMap destinatari = {{"Id", IdProgetto}};
        const QList<ColumnInfo> &colonne = DB->Table("DestinatariIntervento").columns;
        for (int posizione = 1; posizione < colonne.size(); ++posizione) {
            if (colonne[posizione].kind == ColumnInfo::Kind::Boolean)
                destinatari[colonne[posizione].name] = posizione % 3 != 0;
        }
        Aggiungi("DestinatariIntervento", 1, destinatari);
        for (int n = 1; n <= moduli; ++n) {
            const qint64 modulo = Aggiungi("ProgrammaDidattico", n, {{"ID", IdProgetto}});
            for (int riga = 1; riga <= 3; ++riga)
                Aggiungi("AttrezzatureModuli", riga, {{"IDModulo", modulo}});
        }
        for (int n = 1; n <= azioniDescritte; ++n)
            Aggiungi("ProgrammaAzione", n, {{"ID", IdProgetto}});
        for (int tipo = 1; tipo <= 6; ++tipo)
            Aggiungi("TerziDelegati", tipo, {{"Id", IdProgetto}, {"tipo", tipo}});
        QVariantMap azioni = {{"Id", IdProgetto}};
        for (int k = 1; k <= 19; ++k) {
            qint64 chiave = 0;
            if (k <= azioniScelte) {
                chiave = Aggiungi("SpeseSez3", k, {{"Id", IdProgetto}, {"VOCISPESA", 1000000 * k}});
                AggiungiRigheCosto(chiave);
            }
            azioni[DB->Table("Azioni").columns[k].name] = chiave;
        }
        Aggiungi("Azioni", 1, azioni);
        for (int n = 1; n <= allegati; ++n)
            Aggiungi("ElencoAllegati", n, {{"Id", IdProgetto}, {"NumeroAllegato", n}});
        transazione.Commit();
    }

    void AggiungiRigheCosto(qint64 chiave) const
    {
        const QList<std::pair<QString, int>> griglie = {{"AttrezzatureMateriale", 3}, {"MaterialiServizi", 2},
                                                        {"SpeseRaggiungimento", 3},   {"SpeseRisorse", 0},
                                                        {"SpeseStages", 2},           {"SpeseViaggioDocenti", 6}};
        for (const auto &[tabella, tipi] : griglie) {
            for (int tipo = 0; tipo < std::max(tipi, 1); ++tipo) {
                for (int riga = 1; riga <= righeCosto; ++riga) {
                    QVariantMap valori = {{"IdSez3", chiave}};
                    if (tipi > 0)
                        valori["Tipo"] = tipo;
                    Aggiungi(tabella, riga, valori);
                }
            }
        }
    }

    // A value for every field that `valori` does not give, by the field's kind.
    static QVariantMap Completa(const QString &tabella, int riga, QVariantMap dati)
    {
        // Field names match without regard to case, as the database's do.
        QVariantMap valori;
        const TableInfo &info = DB->Table(tabella);
        for (auto it = dati.constBegin(); it != dati.constEnd(); ++it) {
            const int posizione = info.Position(it.key());
            valori[posizione < 0 ? it.key() : info.columns[posizione].name] = it.value();
        }
        for (const ColumnInfo &colonna : info.columns) {
            if (colonna.primaryKey || valori.contains(colonna.name))
                continue;
            switch (colonna.kind) {
            case ColumnInfo::Kind::Text:
                valori[colonna.name] = Testo(tabella, colonna.name, riga);
                break;
            case ColumnInfo::Kind::Boolean:
                valori[colonna.name] = riga % 2 == 1;
                break;
            case ColumnInfo::Kind::DateTime:
                valori[colonna.name] = "1961-03-05T00:00:00";
                break;
            default:
                valori[colonna.name] = 10 * riga + colonna.name.size();
            }
        }
        return valori;
    }

    static qint64 Aggiungi(const QString &tabella, int riga, const QVariantMap &dati)
    {
        const QVariantMap valori = Completa(tabella, riga, dati);
        QStringList nomi;
        for (const QString &nome : valori.keys())
            nomi << QuotedIdentifier(nome);
        DB->Execute(QString("insert into %1 (%2) values (%3)")
                        .arg(QuotedIdentifier(tabella), nomi.join(", "), QStringList(valori.size(), "?").join(", ")),
                    valori.values());
        QSqlQuery ultima(DB->Connection());
        ultima.exec("select last_insert_rowid()");
        ultima.next();
        return ultima.value(0).toLongLong();
    }

    static void Aggiorna(const QString &tabella, int riga, const QVariantMap &dati)
    {
        QVariantMap valori = Completa(tabella, riga, dati);
        valori.remove("Id");
        QStringList assegnazioni;
        for (const QString &nome : valori.keys())
            assegnazioni << QuotedIdentifier(nome) + " = ?";
        DB->Execute(QString("update %1 set %2 where Id = ?").arg(QuotedIdentifier(tabella), assegnazioni.join(", ")),
                    valori.values() << IdProgetto);
    }
};

// The windows around the print run, standing in: section 1's and section
// 4's boxes and lists as plain values. `azione` runs as each action is made
// current; the step labels are kept in order.
class FinestreProva : public FinestreStampa
{
public:
    void Avanza(const QString &etichetta) override { passi << etichetta; }
    const Caselle *CaricaSezione1() override { return &sezione1; }
    void ScaricaSezione1() override {}
    const Caselle *RendiCorrente(qint64 IdSez3) override
    {
        if (azione)
            azione(IdSez3);
        return &sezione4;
    }

    CaselleProva sezione1;
    CaselleProva sezione4;
    std::function<void(qint64)> azione;
    QStringList passi;
};

// The printed document of the current project, written by the print run
// into `documento` from the templates of `modelli`, and read back.
inline QByteArray ComponiDocumento(RichTextBox &box, FinestreProva &finestre, const QString &modelli,
                                   const QString &documento)
{
    CorsaStampa corsa(box, finestre);
    corsa.Esegui(modelli, documento);
    QFile file(documento);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}
