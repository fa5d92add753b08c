// Creates an empty project database from the schema file: makedb schema.sql out.Mdb
#include "SqlScript.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makedb schema.sql database\n");
        return 2;
    }
    QFile schema(QString::fromLocal8Bit(argv[1]));
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString text = QString::fromUtf8(schema.readAll());
    int failures = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "makedb");
        db.setDatabaseName(QString::fromLocal8Bit(argv[2]));
        if (!db.open()) {
            std::fprintf(stderr, "cannot create %s\n", argv[2]);
            return 1;
        }
        QSqlQuery query(db);
        db.transaction();
        for (const QString &statement : SqlStatements(text)) {
            if (!query.exec(statement)) {
                std::fprintf(stderr, "%s\n%s\n", qPrintable(query.lastError().text()), qPrintable(statement));
                ++failures;
            }
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase("makedb");
    if (failures)
        QFile::remove(QString::fromLocal8Bit(argv[2]));
    return failures ? 1 : 0;
}
