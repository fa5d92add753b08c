#include "ProfileFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

QStringList ReadLines(const QString &path, bool *exists)
{
    QFile file(path);
    *exists = file.open(QIODevice::ReadOnly);
    if (!*exists)
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.replace("\r\n", "\n");
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool IsSection(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith('[') || !t.contains(']'))
        return false;
    *name = t.mid(1, t.indexOf(']') - 1).trimmed();
    return true;
}

bool IsKey(const QString &line, const QString &key)
{
    const qsizetype eq = line.indexOf('=');
    return eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString ProfileFile::Read(const QString &section, const QString &key, const QString &defaultValue) const
{
    bool exists = false;
    const QStringList lines = ReadLines(path_, &exists);
    bool inSection = false;
    for (const QString &line : lines) {
        QString name;
        if (IsSection(line, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && IsKey(line, key))
            return line.mid(line.indexOf('=') + 1);
    }
    return defaultValue;
}

bool ProfileFile::Write(const QString &section, const QString &key, const QString &value) const
{
    bool exists = false;
    QStringList lines = ReadLines(path_, &exists);
    const QString entry = key + "=" + value;
    int sectionLine = -1;
    int insertAt = -1;
    bool written = false;
    for (int i = 0; i < lines.size() && !written; ++i) {
        QString name;
        if (IsSection(lines[i], &name)) {
            if (sectionLine >= 0)
                break;  // end of our section
            if (name.compare(section, Qt::CaseInsensitive) == 0) {
                sectionLine = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (IsKey(lines[i], key)) {
            lines[i] = entry;
            written = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!written) {
        if (sectionLine < 0) {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines << QString();
            lines << "[" + section + "]" << entry;
        } else {
            lines.insert(insertAt, entry);
        }
    }
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join("\r\n") + "\r\n").toUtf8());
    return file.commit();
}
