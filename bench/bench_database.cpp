// Times the database layer on the work the windows give it most: creating
// projects as the archive does, finding a project by its Id, and listing
// projects through a query. Run by hand: bench_database [projects]

#include "Database.h"
#include "DbError.h"
#include "Globali.h"
#include "Recordset.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void Report(const char *what, int count, const QElapsedTimer &timer)
{
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%-44s %6d  %9.1f ms  %8.1f us each\n", what, count, ms, ms * 1000.0 / count);
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

        // As the archive creates a project: the Principale row, the move to
        // the last row for its new Id, the Secondario row with that Id.
        QElapsedTimer timer;
        timer.start();
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
        Report("create projects (AddNew, MoveLast, AddNew)", projects, timer);

        timer.restart();
        for (qint64 id : ids) {
            principale->Seek("=", id);
            secondario->Seek("=", id);
            if (principale->NoMatch() || secondario->NoMatch()) {
                std::fprintf(stderr, "project %lld not found\n", static_cast<long long>(id));
                return 1;
            }
        }
        Report("seek each project in both tables", projects, timer);

        // As a window stores: find the row, edit, assign, update, move on.
        timer.restart();
        for (qint64 id : ids) {
            principale->Seek("=", id);
            principale->Edit();
            principale->SetField("Oggetto", QString("Progetto modificato %1").arg(id));
            principale->Update();
            principale->MoveNext();
        }
        Report("seek, edit, update, move next", projects, timer);

        timer.restart();
        int listed = 0;
        auto elenco = db->OpenRecordset("Select * from Principale Where Id > ? Order By Id", {0});
        for (; !elenco->Eof(); elenco->MoveNext()) {
            if (!elenco->Field("Oggetto").toString().isEmpty())
                ++listed;
        }
        Report("list projects through a dynaset", listed, timer);

        timer.restart();
        int walked = 0;
        for (principale->MoveFirst(); !principale->Eof(); principale->MoveNext())
            ++walked;
        Report("walk the table cursor in index order", walked, timer);
    } catch (const DbError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return 1;
    }
    return 0;
}
