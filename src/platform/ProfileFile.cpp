#include "ProfileFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// The file's lines as bytes, without their line ends, and whether the file
// is UTF-8 text; a file that is not valid UTF-8 is read as Latin-1, as the
// settings files of older programs are written.
struct Lines
{
    QList<QByteArray> raw;
    QStringList text;
    bool utf8 = true;
};

Lines ReadLines(const QString &path)
{
    Lines lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString probe = decoder.decode(bytes);
    lines.utf8 = !decoder.hasError();
    lines.raw = bytes.split('\n');
    if (!lines.raw.isEmpty() && lines.raw.last().isEmpty())
        lines.raw.removeLast();
    for (QByteArray &line : lines.raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.text << (lines.utf8 ? QString::fromUtf8(line) : QString::fromLatin1(line));
    }
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

bool Latin1(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

}  // namespace

QString ProfileFile::Read(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Lines lines = ReadLines(path_);
    bool inSection = false;
    for (const QString &line : lines.text) {
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

// Only the written line changes: every other line keeps its bytes. A Latin-1
// file stays Latin-1 unless the new line cannot be written so; then the whole
// file becomes UTF-8, the one way to keep both it and the new value readable.
bool ProfileFile::Write(const QString &section, const QString &key, const QString &value) const
{
    Lines lines = ReadLines(path_);
    const QString entry = key + "=" + value;
    int sectionLine = -1;
    int insertAt = -1;
    int at = -1;  // the line written
    bool replace = false;
    for (int i = 0; i < lines.text.size() && at < 0; ++i) {
        QString name;
        if (IsSection(lines.text[i], &name)) {
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
        if (IsKey(lines.text[i], key)) {
            at = i;
            replace = true;
        } else if (!lines.text[i].trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    QStringList added;
    if (at < 0 && sectionLine < 0) {
        at = int(lines.text.size());
        if (!lines.text.isEmpty() && !lines.text.last().trimmed().isEmpty())
            added << QString();
        added << "[" + section + "]";
    } else if (at < 0) {
        at = insertAt;
    }
    added << entry;

    bool utf8 = lines.utf8;
    if (!utf8 && !Latin1(added.join(QString()))) {
        utf8 = true;
        for (int i = 0; i < lines.raw.size(); ++i)
            lines.raw[i] = lines.text[i].toUtf8();
    }
    QList<QByteArray> encoded;
    for (const QString &line : added)
        encoded << (utf8 ? line.toUtf8() : line.toLatin1());
    if (replace)
        lines.raw.removeAt(at);
    for (int i = 0; i < encoded.size(); ++i)
        lines.raw.insert(at + i, encoded[i]);

    QSaveFile file(path_);
    // A folder that takes no new file may still let the file itself be
    // rewritten.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QByteArray &line : lines.raw)
        bytes += line + "\r\n";
    file.write(bytes);
    return file.commit();
}
