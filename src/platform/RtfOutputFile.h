#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// An RTF document written piece by piece, byte for byte as given (cp1252
// bytes are never re-encoded). The file at `path` is replaced only when
// Close succeeds: until then, and when writing fails or Close is never
// reached, the previous document of that name stays as it was.
// Failures raise a UserError naming the file and, where it can be told, the
// cause: a folder in the way, a read-only folder or file, a full disk.
class RtfOutputFile
{
public:
    explicit RtfOutputFile(const QString &path);

    void Open();
    void Write(const QByteArray &bytes);
    void Close();

private:
    // The user's message for a file that could not be created or written.
    QString Failure(const char *action) const;

    QSaveFile file_;
};
