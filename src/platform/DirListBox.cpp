#include "DirListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

DirListBox::DirListBox(QWidget *parent) : QListWidget(parent)
{
    path_ = QDir::rootPath();
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { SetPath(item->data(Qt::UserRole).toString()); });
    Refresh();
}

bool DirListBox::SetPath(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir())
        return false;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    const bool changed = clean != path_;
    path_ = clean;
    Refresh();
    if (changed)
        emit Change();
    return true;
}

void DirListBox::Refresh()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QStringList chain;
    QDir dir(path_);
    do {
        chain.prepend(dir.absolutePath());
    } while (dir.cdUp());
    int depth = 0;
    for (const QString &folder : chain) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QDir(folder).dirName();
        auto *item = new QListWidgetItem(open, QString(depth * 2, ' ') + name, this);
        item->setData(Qt::UserRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList subfolders =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders) {
        auto *item = new QListWidgetItem(closed, QString(depth * 2, ' ') + name, this);
        item->setData(Qt::UserRole, QDir(path_).filePath(name));
    }
}
