#include "FileListBox.h"

#include <QDir>
#include <QRegularExpression>

FileListBox::FileListBox(const QString &pattern, QWidget *parent) : ListBox(parent), pattern_(pattern) {}

void FileListBox::SetPath(const QString &path)
{
    path_ = QDir::cleanPath(path);
    Refresh();
}

void FileListBox::Refresh()
{
    Clear();
    const QStringList names = QDir(path_).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern_),
                                   QRegularExpression::CaseInsensitiveOption);
    for (const QString &name : names)
        if (match.match(name).hasMatch())
            AddItem(name);
}

QString FileListBox::FileName() const
{
    return Text();
}
