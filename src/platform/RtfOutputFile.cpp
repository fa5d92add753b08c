#include "RtfOutputFile.h"

#include "UserError.h"

#include <QDir>

RtfOutputFile::RtfOutputFile(const QString &path) : file_(path) {}

void RtfOutputFile::Open()
{
    if (!file_.open(QIODevice::WriteOnly))
        throw UserError(QString("Impossibile creare il file '%1'.").arg(Shown()));
}

void RtfOutputFile::Write(const QByteArray &bytes)
{
    if (file_.write(bytes) != bytes.size())
        throw UserError(QString("Impossibile scrivere il file '%1'.").arg(Shown()));
}

void RtfOutputFile::Close()
{
    if (!file_.commit())
        throw UserError(QString("Impossibile scrivere il file '%1'.").arg(Shown()));
}

QString RtfOutputFile::Shown() const
{
    return QDir::toNativeSeparators(file_.fileName());
}
