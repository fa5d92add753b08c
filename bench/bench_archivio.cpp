// The archive and the store of a section, on a database of 2,000 projects,
// each beside the same work done with plain QSqlQuery in the same run:
//  - listing the projects as the archive does, against the same
//    "Select * from Principale" reading the same three fields;
//  - 1,000 rounds of positioning the current project and storing one field.
// Run by hand (offscreen): bench_archivio [-iterations N]
// The ratios are printed at the end.

#include "ArchiviazioneForm.h"
#include "Database.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "ListBox.h"
#include "Misure.h"
#include "Recordset.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

constexpr int kProgetti = 2000;
constexpr int kGiri = 1000;

}  // namespace

class BenchArchivio : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;
    std::vector<qint64> ids_;
    QMap<QString, double> ms_;

    QSqlDatabase Plain() { return ConnessionePlain(path_); }
    void Measure(const QString &name, const std::function<void()> &work) { ms_[name] = Misura(work); }

private slots:
    void initTestCase()
    {
        path_ = PreparaCartella(dir_);
        QSqlDatabase db = Plain();
        db.transaction();
        QSqlQuery insert(db);
        for (int i = 0; i < kProgetti; ++i) {
            insert.prepare("INSERT INTO Principale (CodiceEnte, Oggetto, UltimaModifica) VALUES ('', ?, ?)");
            insert.addBindValue(QString("Progetto %1").arg(i));
            insert.addBindValue(QString("05/03/01 10:22:41"));
            QVERIFY(insert.exec());
            const qint64 id = insert.lastInsertId().toLongLong();
            ids_.push_back(id);
            insert.prepare("INSERT INTO Secondario (Id) VALUES (?)");
            insert.addBindValue(id);
            QVERIFY(insert.exec());
        }
        db.commit();
        PercorsoDB = path_;
    }

    void listInArchive()
    {
        ArchiviazioneForm archivio;
        auto *lista = archivio.findChild<ListBox *>("List1");
        QCOMPARE(lista->ListCount(), kProgetti);
        Measure("list/archive", [&] { archivio.ElencaProgetti(); });
    }

    // What the user waits for: the dialog opened on the file (the design
    // checked, the cursors opened) and the projects listed and shown.
    void showArchive()
    {
        Measure("show/archive", [&] {
            ArchiviazioneForm archivio;
            archivio.show();
            QCoreApplication::processEvents();
        });
        ChiudiDatabase();
    }

    void listPlain()
    {
        QSqlDatabase db = Plain();
        ListBox lista;
        Measure("list/plain", [&] {
            lista.Clear();
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.exec("Select * from Principale");
            const QSqlRecord campi = query.record();
            const int id = campi.indexOf("Id"), oggetto = campi.indexOf("Oggetto");
            const int modifica = campi.indexOf("UltimaModifica");
            while (query.next())
                lista.AddItem(query.value(id).toString() + " - " + query.value(oggetto).toString() + " - "
                                  + query.value(modifica).toString(),
                              query.value(id).toLongLong());
        });
        QCOMPARE(lista.ListCount(), kProgetti);
    }

    void positionAndStore()
    {
        ApriDatabase();
        Measure("store/program", [&] {
            for (int i = 0; i < kGiri; ++i) {
                IdProgetto = ids_[size_t(i) % ids_.size()];
                if (!PosizionaProgetto())
                    QFAIL("project not found");
                TabPrincipale->SetField("Oggetto", QString("Titolo %1").arg(i));
                TabPrincipale->Update();
                TabSecondario->CancelUpdate();
            }
        });
        ChiudiDatabase();
    }

    void positionAndStorePlain()
    {
        QSqlDatabase db = Plain();
        Measure("store/plain", [&] {
            QSqlQuery find(db);
            QSqlQuery update(db);
            for (int i = 0; i < kGiri; ++i) {
                const qint64 id = ids_[size_t(i) % ids_.size()];
                for (const char *table : {"Principale", "Secondario"}) {
                    find.prepare(QString("SELECT * FROM %1 WHERE Id = ?").arg(table));
                    find.addBindValue(id);
                    if (!find.exec() || !find.next())
                        QFAIL("project not found");
                }
                update.prepare("UPDATE Principale SET Oggetto = ? WHERE Id = ?");
                update.addBindValue(QString("Titolo %1").arg(i));
                update.addBindValue(id);
                update.exec();
            }
        });
    }

    void cleanupTestCase()
    {
        StampaRapporto("work", {{"list 2000 projects", ms_["list/archive"], ms_["list/plain"]},
                                {"1000 x position + store one field", ms_["store/program"], ms_["store/plain"]}});
        std::printf("%-52s %12.2f\n", "archive opened and shown", ms_["show/archive"]);
        ChiudiDatabase();
        QSqlDatabase::removeDatabase("plain");
    }
};

QTEST_MAIN(BenchArchivio)
#include "bench_archivio.moc"
