#pragma once

// A project with a value in every stored field, and the printed document
// assembled from the shipped templates in the order of the print run. Used
// by the printout's tests and its benchmark.
#include "CaselleProva.h"
#include "Database.h"
#include "Globali.h"
#include "Recordset.h"
#include "RichTextBox.h"
#include "Riempitore.h"

#include <QDir>
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
    static QVariantMap Completa(const QString &tabella, int riga, QVariantMap valori)
    {
        // Field names are matched without regard to case, as the database does.
        QStringList dati;
        for (const QString &nome : valori.keys())
            dati << nome.toLower();
        for (const ColumnInfo &colonna : DB->Table(tabella).columns) {
            if (colonna.primaryKey || dati.contains(colonna.name.toLower()))
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

// The printed document of the current project, assembled as the print run
// does: each step's template filled from its rows and joined. `azione` runs
// before each action's template with that action's cost-record key.
inline QByteArray ComponiDocumento(Riempitore &riempitore, RichTextBox &box, const QString &cartella,
                                   const std::function<void(qint64)> &azione = {})
{
    TrovaProgetto();
    riempitore.Liste().SvuotaTesti();
    QByteArray documento;
    QByteArray frammento;
    const auto passo = [&](const QString &modello, const Recordset *apri, bool primo = false) {
        box.LoadFile(QDir(cartella).filePath(modello));
        riempitore.RiempeRText(apri);
        documento += riempitore.AggiungiTesto(frammento, primo);
    };
    const auto perRiga = [&](const QString &modello, const QString &tabella) {
        const std::unique_ptr<Recordset> righe =
            DB->OpenRecordset(QString("Select * from %1 where ID = ?").arg(tabella), {IdProgetto});
        for (; !righe->Eof(); righe->MoveNext())
            passo(modello, righe.get());
    };
    const auto vero = [](const std::unique_ptr<Recordset> &riga, const char *campo) {
        return riga->Field(campo).toBool();
    };

    passo("fase1.rtf", nullptr, true);
    if (vero(TabPrincipale, "ATS"))
        perRiga("fase1ats.rtf", "ATS");
    passo("fase1fine.rtf", nullptr);
    const qint64 attivita = TabPrincipale->Field("AttivitaFormativa").toLongLong();
    if (attivita == 1)
        perRiga("fase2.rtf", "Committenti");
    if (attivita == 2)
        perRiga("fase3.rtf", "Consorzi");
    const std::unique_ptr<Recordset> destinatari =
        DB->OpenRecordset("Select * from DestinatariIntervento where ID = ?", {IdProgetto});
    passo("fase4.rtf", destinatari.get());
    perRiga("fase5.rtf", "ProgrammaDidattico");
    perRiga("fase6.rtf", "ProgrammaAzione");
    passo("fase7.rtf", nullptr);
    if (vero(TabSecondario, "DelegaTerzi"))
        perRiga("fase7delega.rtf", "TerziDelegati");
    passo("fase7fine.rtf", nullptr);
    const std::unique_ptr<Recordset> azioni = DB->OpenTable("Azioni");
    azioni->SetIndex("ID");
    azioni->Seek("=", IdProgetto);
    if (!azioni->NoMatch()) {
        const std::unique_ptr<Recordset> spese = DB->OpenTable("SpeseSez3");
        spese->SetIndex("IDSez3");
        for (int k = 1; k <= 19; ++k) {
            const qint64 chiave = azioni->Field(k).toLongLong();
            if (chiave <= 0)
                continue;
            spese->Seek("=", chiave);
            if (azione)
                azione(chiave);
            passo("fase8.rtf", spese.get());
        }
    }
    passo("totale.rtf", TabPrincipale.get());
    return documento + "}\r\n";
}
