// The hand-over of section 4 on a project with 19 chosen actions, each with
// every item of its cost record filled: each action in turn is made current
// (double-click), then the window is left (the whole store) and becomes
// active again (the whole fill), beside the same reads and writes done with
// plain QSqlQuery into plain boxes and a plain list.
// Then the whole cost plan of one action with 200 lines in each of its
// seventeen detail grids and 200 attachments: the window left and active
// again, beside the same deletes, inserts and selects with plain QSqlQuery
// into plain tables of cells.
// Run by hand (offscreen): bench_sezione4 [-iterations N]
// The ratio is printed at the end.

#include "Database.h"
#include "Dettagli.h"
#include "Dialogs.h"
#include "EditableGrid.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "ListBox.h"
#include "Misure.h"
#include "Sezione4Form.h"

#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

constexpr int kAzioni = 19;
constexpr int kLinee = 200;
// SpeseSez3's fields before the cost items: the key, the project, the description.
constexpr int kPrimaVoce = 3;

// Every grid of lines the window stores and fills, with its table.
QList<QPair<const TabellaDettaglio *, const TabellaDettaglio::Griglia *>> GriglieDiLinee()
{
    QList<const TabellaDettaglio *> tabelle = Dettagli::Spese();
    tabelle.append(&Dettagli::ElencoAllegati());
    QList<QPair<const TabellaDettaglio *, const TabellaDettaglio::Griglia *>> griglie;
    for (const TabellaDettaglio *tabella : tabelle)
        for (const TabellaDettaglio::Griglia &griglia : tabella->griglie)
            griglie.append({tabella, &griglia});
    return griglie;
}

// The text of a sample line's cell.
QString Cella(const TabellaDettaglio::Colonna &colonna, int riga)
{
    switch (colonna.valore) {
    case TabellaDettaglio::Testo:
        return QString("Voce di spesa numero %1").arg(riga);
    case TabellaDettaglio::Interno:
        return "Interno";
    case TabellaDettaglio::Numero:
        break;
    }
    return QString::number(riga * 10 + 1);
}

// The Tipo of a grid's lines, from its index ("VSFlexGrid7(3)"); -1 for none.
int Tipo(const TabellaDettaglio &tabella, const TabellaDettaglio::Griglia &griglia)
{
    return tabella.tipo ? griglia.nome.section('(', 1).chopped(1).toInt() : -1;
}

}  // namespace

class BenchSezione4 : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;
    qint64 id_ = 0;
    std::vector<qint64> chiavi_;
    QStringList voci_;  // the cost items of SpeseSez3, in order
    QMap<QString, double> ms_;

    QSqlDatabase Plain() { return ConnessionePlain(path_); }
    void Measure(const QString &name, const std::function<void()> &work) { ms_[name] = Misura(work); }

    static void Esegui(QSqlQuery &query, const QString &sql, const QVariantList &valori)
    {
        query.prepare(sql);
        for (const QVariant &valore : valori)
            query.addBindValue(valore);
        if (!query.exec())
            qFatal("%s", qPrintable(sql));
    }

private slots:
    void initTestCase()
    {
        path_ = PreparaCartella(dir_);
        PercorsoDB = path_;
        ApriDatabase();
        id_ = CreaProgetto();
        IdProgetto = id_;
        ChiudiDatabase();

        QSqlDatabase db = Plain();
        const QSqlRecord campi = db.record("SpeseSez3");
        for (int i = kPrimaVoce; i < campi.count(); ++i)
            voci_ << campi.fieldName(i);
        QSqlQuery query(db);
        db.transaction();
        Esegui(query, "update Secondario set Allievi = 12, Allieve = 8, OreTeoria = 300, OrePratica = 100 where Id = ?",
               {id_});
        Esegui(query, "insert into Azioni (ID) values (?)", {id_});
        QStringList segnaposti(voci_.size(), "?");
        for (int tipo = 1; tipo <= kAzioni; ++tipo) {
            QVariantList valori{id_, QString("Azione %1").arg(tipo)};
            for (int v = 0; v < voci_.size(); ++v)
                valori << qint64(tipo * 1000 + v);
            Esegui(query,
                   QString("insert into SpeseSez3 (Id, DescrizioneAzione, %1) values (?, ?, %2)")
                       .arg(voci_.join(", "), segnaposti.join(", ")),
                   valori);
            chiavi_.push_back(query.lastInsertId().toLongLong());
            Esegui(query, QString("update Azioni set Azione%1 = ? where ID = ?").arg(tipo, 2, 10, QChar('0')),
                   {chiavi_.back(), id_});
        }
        db.commit();
    }

    void handOverInTheWindow()
    {
        ApriDatabase();
        IdProgetto = id_;
        Sezione4Form form;
        form.show();
        form.Form_Load();
        Measure("program", [&] {
            for (const auto &[g, lista] : form.ui.List1) {
                for (int i = 0; i < lista->ListCount(); ++i) {
                    lista->SetListIndex(i);
                    form.List1_DblClick(g);
                    form.Form_Deactivate();
                    form.Form_Activate();
                }
            }
        });
        QCOMPARE(form.ui.List1[1]->ListCount() + form.ui.List1[2]->ListCount() + form.ui.List1[3]->ListCount(),
                 kAzioni);
        QVERIFY(Dialogs::Messages().isEmpty());
        form.hide();
        ChiudiDatabase();
    }

    void handOverPlain()
    {
        QSqlDatabase db = Plain();
        QWidget finestra;
        std::vector<QLineEdit *> caselle;
        for (int v = 0; v < voci_.size(); ++v)
            caselle.push_back(new QLineEdit(&finestra));
        auto *lista = new ListBox(&finestra);
        finestra.show();
        QSqlQuery query(db);
        const auto progetto = [&] {
            for (const char *tabella : {"Principale", "Secondario"}) {
                Esegui(query, QString("select * from %1 where Id = ?").arg(tabella), {id_});
                query.next();
            }
        };
        const auto riempi = [&](qint64 chiave) {
            progetto();
            Esegui(query, "select * from SpeseSez3 where IDSEZ3 = ?", {chiave});
            if (query.next())
                for (int v = 0; v < voci_.size(); ++v)
                    caselle[size_t(v)]->setText(query.value(kPrimaVoce + v).toString());
        };
        QStringList assegnazioni;
        for (const QString &voce : voci_)
            assegnazioni << voce + " = ?";
        const QString aggiorna = QString("update SpeseSez3 set Id = ?, DescrizioneAzione = ?, %1 where IDSEZ3 = ?")
                                     .arg(assegnazioni.join(", "));
        const auto registra = [&](qint64 chiave) {
            db.transaction();
            progetto();
            QVariantList valori{id_, QString("Azione")};
            for (QLineEdit *casella : caselle)
                valori << casella->text().toLongLong();
            valori << chiave;
            Esegui(query, aggiorna, valori);
            Esegui(query, "select VOCISPESA from SpeseSez3 where Id = ?", {id_});
            qint64 totale = 0;
            while (query.next())
                totale += query.value(0).toLongLong();
            Esegui(query, "update Secondario set TotaleGenerale = ? where Id = ?", {totale, id_});
            db.commit();
        };
        const auto elenca = [&] {
            lista->Clear();
            Esegui(query, "select * from Azioni where ID = ?", {id_});
            query.next();
            QVariantList colonne;
            for (int tipo = 1; tipo <= kAzioni; ++tipo)
                colonne << query.value(tipo);
            Esegui(query, "select * from TabAzioni", {});
            QStringList nomi;
            while (query.next())
                nomi << query.value("Descrizione").toString();
            for (int tipo = 1; tipo <= kAzioni; ++tipo) {
                Esegui(query, "select VOCISPESA from SpeseSez3 where IDSEZ3 = ?", {colonne[tipo - 1]});
                query.next();
                lista->AddItem(nomi[tipo - 1] + " ->Tot £. " + QLocale().toString(query.value(0).toLongLong()),
                               colonne[tipo - 1].toLongLong());
            }
        };
        Measure("plain", [&] {
            for (qint64 chiave : chiavi_) {
                riempi(chiave);
                registra(chiave);
                Esegui(query, "select IDSEZ3 from SpeseSez3 where IDSEZ3 = ?", {chiave});
                riempi(chiave);
                elenca();
            }
        });
        QCOMPARE(lista->ListCount(), kAzioni);
    }

    void costPlanInTheWindow()
    {
        ApriDatabase();
        IdProgetto = id_;
        Sezione4Form form;
        form.show();
        form.Form_Load();
        form.ui.List1[1]->SetListIndex(0);
        form.List1_DblClick(1);
        for (const auto &[tabella, dichiarata] : GriglieDiLinee()) {
            auto *griglia = form.findChild<EditableGrid *>(dichiarata->nome);
            griglia->SetRows(kLinee + 2);
            for (int r = 1; r <= kLinee; ++r)
                for (int c = 0; c < dichiarata->colonne.size(); ++c)
                    griglia->SetTextMatrix(r, c, Cella(dichiarata->colonne[c], r));
        }
        form.Form_Deactivate();
        Measure("costs program", [&] {
            form.Form_Deactivate();
            form.Form_Activate();
        });
        QCOMPARE(form.ui.VSFlexGrid7[5]->Rows(), kLinee + 2);
        QCOMPARE(form.ui.VSFlexGrid3->Rows(), kLinee + 2);
        QVERIFY(Dialogs::Messages().isEmpty());
        form.hide();
        ChiudiDatabase();
    }

    void costPlanPlain()
    {
        QSqlDatabase db = Plain();
        QSqlQuery query(db);
        const qint64 azione = chiavi_.front();
        QWidget finestra;
        std::vector<QTableWidget *> tabelle;
        std::vector<QLineEdit *> totali;
        const auto griglie = GriglieDiLinee();
        for (const auto &[tabella, dichiarata] : griglie) {
            auto *celle = new QTableWidget(kLinee + 1, int(dichiarata->colonne.size()), &finestra);
            for (int r = 0; r < kLinee; ++r)
                for (int c = 0; c < dichiarata->colonne.size(); ++c)
                    celle->setItem(r, c, new QTableWidgetItem(Cella(dichiarata->colonne[c], r + 1)));
            tabelle.push_back(celle);
            totali.push_back(new QLineEdit(&finestra));
        }
        std::vector<QLineEdit *> caselle;
        for (int v = 0; v < voci_.size(); ++v)
            caselle.push_back(new QLineEdit(&finestra));
        finestra.show();
        const auto chiave = [&](const TabellaDettaglio &tabella) { return tabella.chiave == "Id" ? id_ : azione; };
        QStringList assegnazioni;
        for (const QString &voce : voci_)
            assegnazioni << voce + " = ?";
        const QString aggiorna = QString("update SpeseSez3 set %1 where IDSEZ3 = ?").arg(assegnazioni.join(", "));
        const auto registra = [&] {
            db.transaction();
            QVariantList valori;
            for (QLineEdit *casella : caselle)
                valori << casella->text().toLongLong();
            valori << azione;
            Esegui(query, aggiorna, valori);
            const TabellaDettaglio *ultima = nullptr;
            for (int g = 0; g < griglie.size(); ++g) {
                const auto &[tabella, dichiarata] = griglie[g];
                if (tabella != ultima)
                    Esegui(query, QString("delete from %1 where %2 = ?").arg(tabella->tabella, tabella->chiave),
                           {chiave(*tabella)});
                ultima = tabella;
                QStringList campi{tabella->chiave};
                if (tabella->tipo)
                    campi << "Tipo";
                for (const TabellaDettaglio::Colonna &colonna : dichiarata->colonne)
                    campi << colonna.campo;
                const QString inserisci =
                    QString("insert into %1 (%2) values (%3)")
                        .arg(tabella->tabella, campi.join(", "), QStringList(campi.size(), "?").join(", "));
                for (int r = 0; r < kLinee; ++r) {
                    QVariantList valori{chiave(*tabella)};
                    if (tabella->tipo)
                        valori << Tipo(*tabella, *dichiarata);
                    for (int c = 0; c < dichiarata->colonne.size(); ++c) {
                        const QString testo = tabelle[size_t(g)]->item(r, c)->text();
                        valori << (dichiarata->colonne[c].valore == TabellaDettaglio::Testo
                                       ? QVariant(testo)
                                       : QVariant(testo.toLongLong()));
                    }
                    Esegui(query, inserisci, valori);
                }
            }
            db.commit();
        };
        const auto riempi = [&] {
            Esegui(query, "select * from SpeseSez3 where IDSEZ3 = ?", {azione});
            if (query.next())
                for (int v = 0; v < voci_.size(); ++v)
                    caselle[size_t(v)]->setText(query.value(kPrimaVoce + v).toString());
            for (int g = 0; g < griglie.size(); ++g) {
                const auto &[tabella, dichiarata] = griglie[g];
                QVariantList valori{chiave(*tabella)};
                QString dove = tabella->chiave + " = ?";
                if (tabella->tipo) {
                    dove += " and Tipo = ?";
                    valori << Tipo(*tabella, *dichiarata);
                }
                Esegui(query, QString("select * from %1 where %2 order by rowid").arg(tabella->tabella, dove), valori);
                QTableWidget *celle = tabelle[size_t(g)];
                const int primo = tabella->tipo ? 2 : 1;
                qint64 somma = 0;
                for (int r = 0; query.next(); ++r) {
                    for (int c = 0; c < dichiarata->colonne.size(); ++c)
                        celle->item(r, c)->setText(query.value(primo + c).toString());
                    if (tabella->colonnaTotale >= 0)
                        somma += query.value(primo + tabella->colonnaTotale).toLongLong();
                }
                totali[size_t(g)]->setText(QLocale().toString(somma));
            }
        };
        Measure("costs plain", [&] {
            registra();
            riempi();
        });
        QCOMPARE(tabelle.back()->item(kLinee - 1, 1)->text(), QString("Voce di spesa numero %1").arg(kLinee));
    }

    void cleanupTestCase()
    {
        StampaRapporto("work",
                       {{"19 actions: choose, leave, come back", ms_["program"], ms_["plain"]},
                        {"cost plan, 200 lines a grid: store and fill", ms_["costs program"], ms_["costs plain"]}});
        QSqlDatabase::removeDatabase("plain");
    }
};

QTEST_MAIN(BenchSezione4)
#include "bench_sezione4.moc"
