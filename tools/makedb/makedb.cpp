// Creates an empty project database from the schema file: makedb schema.sql out.Mdb
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>

static QStringList Statements(const QString &text)
{
    QStringList result;
    QString current;
    for (const QString &raw : text.split('\n')) {
        QString line = raw;
        const qsizetype comment = line.indexOf("--");
        if (comment >= 0)
            line.truncate(comment);
        if (line.trimmed().isEmpty())
            continue;
        current += line + '\n';
        if (line.trimmed().endsWith(';')) {
            result << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        result << current;
    return result;
}

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
        for (const QString &statement : Statements(text)) {
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
