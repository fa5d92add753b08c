// Times the database layer on the work the windows give it most: creating
// projects as the archive does, finding a project by its Id, storing one
// field, listing projects through a query and walking the table, each beside
// the same work done with plain QSqlQuery on the same file (whose projects it
// creates come on top of the layer's: both then find, list and walk the same
// rows). Run by hand: bench_database [projects]
// The ratios are printed at the end.

#include "Database.h"
#include "DbError.h"
#include "Globali.h"
#include "Misure.h"
#include "Recordset.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double Time(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int projects = argc > 1 ? std::atoi(argv[1]) : 2000;
    QTemporaryDir dir;
    const QString path = dir.filePath("Formulario.Mdb");
    if (!QFile::copy(VELKARO_SHIPPED_DB, path)) {
        std::fprintf(stderr, "cannot copy %s\n", VELKARO_SHIPPED_DB);
        return 1;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    try {
        auto db = Database::Open(path, DisegnoArchivio());
        auto principale = db->OpenTable("Principale");
        principale->SetIndex("PrimaryKey");
        auto secondario = db->OpenTable("Secondario");
        secondario->SetIndex("ID");
        std::vector<qint64> ids;
        ids.reserve(size_t(projects));
        QSqlDatabase plain = ConnessionePlain(path);
        QSqlQuery cerca(plain), cercaSecondario(plain), aggiorna(plain);
        cerca.prepare("SELECT * FROM Principale WHERE Id = ?");
        cercaSecondario.prepare("SELECT * FROM Secondario WHERE Id = ?");
        aggiorna.prepare("UPDATE Principale SET Oggetto = ? WHERE Id = ?");
        int lost = 0;

        // As the archive creates a project: the Principale row, the move to
        // the last row for its new Id, the Secondario row with that Id.
        const double create = Time([&] {
            for (int i = 0; i < projects; ++i) {
                principale->AddNew();
                principale->SetField("CodiceEnte", QString());
                principale->SetField("Oggetto", QString("Progetto %1").arg(i));
                principale->SetField("UltimaModifica", QDateTime::currentDateTime().toString("dd/MM/yy HH:mm:ss"));
                principale->Update();
                principale->MoveLast();
                const qint64 id = principale->Field("Id").toLongLong();
                secondario->AddNew();
                secondario->SetField("Id", id);
                secondario->Update();
                ids.push_back(id);
            }
        });
        const double createPlain = Time([&] {
            QSqlQuery nuovo(plain), nuovoSecondario(plain);
            nuovo.prepare("INSERT INTO Principale (CodiceEnte, Oggetto, UltimaModifica) VALUES ('', ?, ?)");
            nuovoSecondario.prepare("INSERT INTO Secondario (Id) VALUES (?)");
            for (int i = 0; i < projects; ++i) {
                nuovo.addBindValue(QString("Progetto %1").arg(i));
                nuovo.addBindValue(QDateTime::currentDateTime().toString("dd/MM/yy HH:mm:ss"));
                lost += !nuovo.exec();
                nuovoSecondario.addBindValue(nuovo.lastInsertId());
                lost += !nuovoSecondario.exec();
            }
        });

        const double seek = Time([&] {
            for (qint64 id : ids) {
                principale->Seek("=", id);
                secondario->Seek("=", id);
                lost += principale->NoMatch() || secondario->NoMatch();
            }
        });
        const double seekPlain = Time([&] {
            for (qint64 id : ids) {
                cerca.addBindValue(id);
                cercaSecondario.addBindValue(id);
                lost += !cerca.exec() || !cerca.next() || !cercaSecondario.exec() || !cercaSecondario.next();
            }
            // A query left open would keep the program's next writes waiting.
            cerca.finish();
            cercaSecondario.finish();
        });

        // As a window stores: find the row, edit, assign, update, move on.
        const double store = Time([&] {
            for (qint64 id : ids) {
                principale->Seek("=", id);
                principale->Edit();
                principale->SetField("Oggetto", QString("Progetto modificato %1").arg(id));
                principale->Update();
                principale->MoveNext();
            }
        });
        const double storePlain = Time([&] {
            for (qint64 id : ids) {
                cerca.addBindValue(id);
                lost += !cerca.exec() || !cerca.next();
                aggiorna.addBindValue(QString("Progetto modificato %1").arg(id));
                aggiorna.addBindValue(id);
                lost += !aggiorna.exec();
            }
            cerca.finish();
        });

        int listed = 0, listedPlain = 0;
        const double list = Time([&] {
            auto elenco = db->OpenRecordset("Select * from Principale Where Id > ? Order By Id", {0});
            for (; !elenco->Eof(); elenco->MoveNext())
                listed += !elenco->Field("Oggetto").toString().isEmpty();
        });
        const double listPlain = Time([&] {
            QSqlQuery elenco(plain);
            elenco.setForwardOnly(true);
            elenco.prepare("Select * from Principale Where Id > ? Order By Id");
            elenco.addBindValue(0);
            elenco.exec();
            const int oggetto = elenco.record().indexOf("Oggetto");
            while (elenco.next())
                listedPlain += !elenco.value(oggetto).toString().isEmpty();
        });

        int walked = 0, walkedPlain = 0;
        const double walk = Time([&] {
            for (principale->MoveFirst(); !principale->Eof(); principale->MoveNext())
                ++walked;
        });
        const double walkPlain = Time([&] {
            QSqlQuery tabella(plain);
            tabella.setForwardOnly(true);
            tabella.exec("SELECT * FROM Principale ORDER BY Id");
            while (tabella.next())
                ++walkedPlain;
        });

        if (lost > 0 || listed != listedPlain || walked != walkedPlain) {
            std::fprintf(stderr, "the plain work did not find what the program found\n");
            return 1;
        }
        std::printf("%d projects created by each, %d listed, %d walked\n", projects, listed, walked);
        StampaRapporto("work", {{"create projects (AddNew, MoveLast, AddNew)", create, createPlain},
                                {"seek each project in both tables", seek, seekPlain},
                                {"seek, edit, update, move next", store, storePlain},
                                {"list projects through a dynaset", list, listPlain},
                                {"walk the table cursor in index order", walk, walkPlain}});
    } catch (const DbError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return 1;
    }
    return 0;
}
