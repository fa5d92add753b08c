#include "Transaction.h"

#include "Database.h"

#include <QSqlQuery>

Transaction::Transaction(Database &db) : db_(db)
{
    // Transactions end in the reverse order of their beginning, so the depth
    // names each savepoint uniquely among those open.
    savepoint_ = QString("velkaro_%1").arg(db_.transactions_ + 1);
    Run("SAVEPOINT " + savepoint_);
    ++db_.transactions_;
}

Transaction::~Transaction()
{
    --db_.transactions_;
    if (done_)
        return;
    // An inner transaction undoes its savepoint and forgets it. The
    // outermost ends the whole transaction, so its locks go even when it
    // could not commit; when SQLite has already undone everything (after a
    // full disk, say) there is nothing left to do.
    QSqlQuery query(db_.Connection());
    if (db_.transactions_ == 0) {
        query.exec("ROLLBACK");
    } else {
        query.exec("ROLLBACK TO " + savepoint_);
        query.exec("RELEASE " + savepoint_);
    }
    // What was read ahead may show undone writes, and rows added inside
    // are gone.
    db_.Touch();
    db_.NoteRemoval();
}

void Transaction::Run(const QString &statement) const
{
    QSqlQuery query(db_.Connection());
    query.prepare(statement);
    db_.Exec(query, statement);
}

void Transaction::Commit()
{
    Run("RELEASE " + savepoint_);
    done_ = true;
}
