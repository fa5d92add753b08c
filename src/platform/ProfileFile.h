#pragma once

#include <QString>

// Reads and writes one key of a profile (INI) file: "[Section]" lines, then
// key=value lines. Section and key names match without regard to case; a
// write keeps every other line of the file as it was.
class ProfileFile
{
public:
    explicit ProfileFile(QString path) : path_(std::move(path)) {}

    // The value, or defaultValue when the file, section or key is missing.
    QString Read(const QString &section, const QString &key, const QString &defaultValue) const;
    // Creates the file, section or key when missing; false when the file
    // cannot be written.
    bool Write(const QString &section, const QString &key, const QString &value) const;

private:
    QString path_;
};
