#pragma once

// What the benchmarks share: a plain connection of their own to the database
// file, and the time of one round of a piece of work.
#include "Dialogs.h"
#include "Impostazioni.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <functional>

// The connection "plain" to the file, opened on first use.
inline QSqlDatabase ConnessionePlain(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::database("plain", false);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase("QSQLITE", "plain");
        db.setDatabaseName(path);
    }
    if (!db.isOpen())
        db.open();
    return db;
}

// Runs the work as a QBENCHMARK of the calling test function and returns
// the milliseconds one round took.
inline double Misura(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    int rounds = 0;
    QBENCHMARK {
        work();
        ++rounds;
    }
    return double(timer.nsecsElapsed()) / 1e6 / std::max(rounds, 1);
}

// The program's folder of a benchmark: a copy of the shipped empty database
// in the temporary folder, a settings file there, Italian regional settings
// and the dialogs answered from their queue. Returns the database's path.
inline QString PreparaCartella(const QTemporaryDir &dir)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Dialogs::SetQueueMode(true);
    const QString path = dir.filePath("Formulario.Mdb");
    if (!QFile::copy(VELKARO_SHIPPED_DB, path))
        qFatal("cannot copy %s", VELKARO_SHIPPED_DB);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    ImpostaCartellaProgramma(dir.path());
    ImpostaFileImpostazioni(dir.filePath("velkaro.ini"));
    return path;
}

// The table the benchmarks print: one line a piece of work, with the
// milliseconds of the program and of the plain work and their ratio.
struct RigaRapporto
{
    const char *lavoro;
    double programma;
    double plain;
};
inline void StampaRapporto(const char *titolo, std::initializer_list<RigaRapporto> righe)
{
    std::printf("\n%-52s %12s %12s %8s\n", titolo, "program ms", "plain ms", "ratio");
    for (const RigaRapporto &riga : righe)
        std::printf("%-52s %12.2f %12.2f %8.2f\n", riga.lavoro, riga.programma, riga.plain,
                    riga.plain > 0 ? riga.programma / riga.plain : 0.0);
}
