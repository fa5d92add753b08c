#pragma once

#include "DbError.h"

#include <QString>

class QSqlError;

// The file behind an open database: its path, which file that path named
// when the database was opened, and one clear message for each way the file
// can fail. A file renamed over the path or deleted is told apart from a
// read-only one, so the user learns what really happened.
class DatabaseFile
{
public:
    // Remembers which file the path names now (device and inode).
    explicit DatabaseFile(const QString &path);

    const QString &Path() const { return path_; }
    QString Shown() const;  // the path as the platform writes it

    // What keeps the file from being written now: Removed, Replaced or
    // ReadOnly (the file, or the folder where SQLite makes its journal);
    // Other when nothing does.
    DbError::Cause WriteProblem() const;
    // The error for a cause: one Italian sentence naming the file, ending
    // with the detail when one is given.
    DbError Error(DbError::Cause cause, const QString &detail = {}) const;
    // The error for a statement that failed, classified from SQLite's result
    // code, or from its message where the driver gives no code. `what` names
    // the work for an error of no known cause.
    DbError Classify(const QSqlError &error, const QString &what) const;

private:
    enum class Identity { Same, Missing, Other };
    Identity Current() const;
    bool FileWritable() const;
    bool FolderWritable() const;
    // Removed or Replaced when the path no longer names the opened file.
    DbError::Cause Moved() const;

    QString path_;
    bool identified_ = false;
    quint64 device_ = 0;
    quint64 inode_ = 0;
};
