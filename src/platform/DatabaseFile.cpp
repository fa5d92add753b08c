#include "DatabaseFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>

#include <sys/stat.h>

namespace {

// SQLite's primary result codes (the low byte of an extended code).
enum SqliteCode {
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADatabase = 26,
};

// The primary code of a failed statement. The driver gives SQLite's
// (extended) result code as the native code; where it gives none, SQLite's
// own message still tells the cause.
int PrimaryCode(const QSqlError &error)
{
    bool ok = false;
    const int native = error.nativeErrorCode().toInt(&ok);
    if (ok && native != 0)
        return native & 0xff;
    const QString text = error.databaseText().toLower();
    const std::pair<const char *, int> messages[] = {
        {"is locked", kBusy},
        {"readonly database", kReadOnly},
        {"disk i/o error", kIoError},
        {"malformed", kCorrupt},
        {"disk is full", kFull},
        {"unable to open", kCantOpen},
        {"not a database", kNotADatabase},
    };
    for (const auto &[message, code] : messages)
        if (text.contains(QLatin1String(message)))
            return code;
    return 0;
}

}  // namespace

DatabaseFile::DatabaseFile(const QString &path) : path_(path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path_).constData(), &info) == 0) {
        identified_ = true;
        device_ = quint64(info.st_dev);
        inode_ = quint64(info.st_ino);
    }
}

QString DatabaseFile::Shown() const
{
    return QDir::toNativeSeparators(path_);
}

DatabaseFile::Identity DatabaseFile::Current() const
{
    struct stat info;
    if (::stat(QFile::encodeName(path_).constData(), &info) != 0)
        return Identity::Missing;
    if (identified_ && (quint64(info.st_dev) != device_ || quint64(info.st_ino) != inode_))
        return Identity::Other;
    return Identity::Same;
}

bool DatabaseFile::FileWritable() const
{
    return QFileInfo(path_).isWritable();
}

bool DatabaseFile::FolderWritable() const
{
    return QFileInfo(QFileInfo(path_).absolutePath()).isWritable();
}

DbError::Cause DatabaseFile::Moved() const
{
    switch (Current()) {
    case Identity::Missing:
        return DbError::Cause::Removed;
    case Identity::Other:
        return DbError::Cause::Replaced;
    case Identity::Same:
        break;
    }
    return DbError::Cause::Other;
}

DbError::Cause DatabaseFile::WriteProblem() const
{
    const DbError::Cause moved = Moved();
    if (moved != DbError::Cause::Other)
        return moved;
    // SQLite writes its journal beside the file: a read-only folder stops
    // every store as surely as a read-only file.
    if (!FileWritable() || !FolderWritable())
        return DbError::Cause::ReadOnly;
    return DbError::Cause::Other;
}

DbError DatabaseFile::Error(DbError::Cause cause, const QString &detail) const
{
    using Cause = DbError::Cause;
    QString text;
    switch (cause) {
    case Cause::Locked:
        text = "L'archivio '%1' è bloccato da un altro programma.";
        break;
    case Cause::ReadOnly:
        text =
            FileWritable() ? "La cartella dell'archivio '%1' è di sola lettura." : "L'archivio '%1' è di sola lettura.";
        break;
    // The file open so far takes stores again once it is back at its path;
    // a file that is not it, only once the archive opens it.
    case Cause::Removed:
        text = "L'archivio '%1' è stato rimosso. Rimettere il file al suo posto, oppure riaprire l'archivio da "
               "\"Seleziona Progetto\".";
        break;
    case Cause::Replaced:
        text = "L'archivio '%1' è stato sostituito da un altro file. Rimettere al suo posto il file che era aperto, "
               "oppure riaprire l'archivio da \"Seleziona Progetto\".";
        break;
    case Cause::DiskFull:
        text = "Spazio su disco esaurito per l'archivio '%1'.";
        break;
    case Cause::Damaged:
        text = "L'archivio '%1' è danneggiato.";
        break;
    case Cause::NotProjectDatabase:
        text = "Il file '%1' non è un archivio del Formulario.";
        break;
    case Cause::Other:
        text = "Errore del database nell'archivio '%1'.";
        break;
    }
    text = text.arg(Shown());
    if (!detail.isEmpty())
        text = text.chopped(1) + ": " + detail + '.';
    return DbError(text, cause);
}

DbError DatabaseFile::Classify(const QSqlError &error, const QString &what) const
{
    using Cause = DbError::Cause;
    switch (PrimaryCode(error)) {
    case kBusy:
    case kLocked:
        return Error(Cause::Locked);
    case kReadOnly: {
        // SQLite also says "read-only" when the file was moved or deleted
        // under an open connection.
        const Cause moved = Moved();
        return Error(moved != Cause::Other ? moved : Cause::ReadOnly);
    }
    case kIoError: {
        const Cause moved = Moved();
        return Error(moved != Cause::Other ? moved : Cause::Damaged);
    }
    case kCantOpen: {
        const Cause problem = WriteProblem();
        if (problem != Cause::Other)
            return Error(problem);
        break;
    }
    case kFull:
        return Error(Cause::DiskFull);
    case kCorrupt:
    case kNotADatabase:
        return Error(Cause::Damaged);
    default:
        break;
    }
    const QString detail = error.databaseText().trimmed();
    if (detail.isEmpty())
        return Error(Cause::Other);
    return DbError(QString("Errore del database (%1): %2").arg(what, detail));
}
