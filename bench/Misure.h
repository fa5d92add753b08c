#pragma once

// What the benchmarks share: a plain connection of their own to the database
// file, and the time of one round of a piece of work.
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QtTest>

#include <algorithm>
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
