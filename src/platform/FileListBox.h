#pragma once

#include "ListBox.h"

// A file list box: the files of one folder matching a pattern, compared
// without regard to case. Click fires when the selection changes.
class FileListBox : public ListBox
{
    Q_OBJECT
public:
    explicit FileListBox(const QString &pattern, QWidget *parent = nullptr);

    QString Path() const { return path_; }
    void SetPath(const QString &path);  // lists the folder, nothing selected
    QString FileName() const;           // the selected file's name, empty when none
    void Refresh();

private:
    QString path_;
    QString pattern_;
};
