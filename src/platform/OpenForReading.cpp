#include "OpenForReading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString OpenForReading(QFile &file)
{
    const QFileInfo info(file.fileName());
    const QString shown = QDir::toNativeSeparators(file.fileName());
    if (!info.exists())
        return QString("Impossibile trovare il file '%1'.").arg(shown);
    if (!info.isFile())
        return QString("'%1' non è un file.").arg(shown);
    if (!file.open(QIODevice::ReadOnly))
        return QString("Impossibile leggere il file '%1'.").arg(shown);
    return {};
}
