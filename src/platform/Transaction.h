#pragma once

#include <QString>

class Database;

// Work stored whole or not at all. Transactions nest: one begun while
// another is open is a savepoint inside it, so a grid rewrite can run inside
// a window's whole store; undone alone, it leaves the outer work to go on or
// be undone too. Nothing is stored for good until the outermost commits.
// A transaction not committed is undone when it goes out of scope. Beginning
// or committing throws a DbError with its cause (a lock, a lost file...);
// after a failed Commit the work is still undone on destruction.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void Commit();

private:
    void Run(const QString &statement) const;

    Database &db_;
    QString savepoint_;
    bool done_ = false;
};
