#include "DriveListBox.h"

#include <QDir>

DriveListBox::DriveListBox(QWidget *parent) : QComboBox(parent)
{
    for (const QFileInfo &drive : QDir::drives())
        addItem(QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath());
    connect(this, &QComboBox::activated, this, [this] { emit Change(); });
}

QString DriveListBox::Drive() const
{
    return currentData().toString();
}
