#pragma once

#include <QComboBox>

// A drive list box: the file system's roots. Change fires when the user
// chooses another drive.
class DriveListBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveListBox(QWidget *parent = nullptr);
    QString Drive() const;

signals:
    void Change();
};
