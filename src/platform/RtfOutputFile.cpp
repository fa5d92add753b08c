#include "RtfOutputFile.h"

#include "UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

RtfOutputFile::RtfOutputFile(const QString &path) : file_(path) {}

void RtfOutputFile::Open()
{
    if (!file_.open(QIODevice::WriteOnly))
        throw UserError(Failure("creare"));
}

void RtfOutputFile::Write(const QByteArray &bytes)
{
    if (file_.write(bytes) != bytes.size())
        throw UserError(Failure("scrivere"));
}

void RtfOutputFile::Close()
{
    // What is still buffered is written first: a commit would replace the
    // previous document even when that write fails (on a full disk, with
    // an empty file).
    if (!file_.flush()) {
        const QString failure = Failure("scrivere");
        file_.cancelWriting();
        throw UserError(failure);
    }
    if (!file_.commit())
        throw UserError(Failure("scrivere"));
}

QString RtfOutputFile::Failure(const char *action) const
{
    const QFileInfo file(file_.fileName());
    const QFileInfo folder(file.absolutePath());
    QString cause;
    if (file_.error() == QFileDevice::ResourceError
        || (folder.isDir() && QStorageInfo(folder.absoluteFilePath()).bytesAvailable() == 0))
        cause = "spazio su disco esaurito";
    else if (file.isDir())
        cause = "al suo posto c'è una cartella";
    else if (!folder.isDir())
        cause = "la cartella non esiste";
    else if (!folder.isWritable())
        cause = "la cartella è di sola lettura";
    else if (file.exists() && !file.isWritable())
        cause = "il file è di sola lettura";
    const QString shown = QDir::toNativeSeparators(file.filePath());
    if (cause.isEmpty())
        return QString("Impossibile %1 il file '%2'.").arg(action, shown);
    return QString("Impossibile %1 il file '%2': %3.").arg(action, shown, cause);
}
