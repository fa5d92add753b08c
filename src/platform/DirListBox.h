#pragma once

#include <QListWidget>

// A folder list box: the current folder's ancestors from the root down, the
// current folder, then its subfolders. Double-clicking an entry (or Enter)
// makes it the current folder; Change fires whenever the path changes.
class DirListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString Path() const { return path_; }
    // Throws nothing; a folder that does not exist leaves the path unchanged
    // and returns false.
    bool SetPath(const QString &path);
    void Refresh();

signals:
    void Change();

private:
    QString path_;
};
