#pragma once

#include "ControlArray.h"

#include <QDialog>
#include <QFrame>

class DirListBox;
class DriveListBox;
class FileListBox;
class ListBox;
class QLabel;
class QPushButton;

// The archive: choose the database file and, in it, the current project.
class ArchiviazioneForm : public QDialog
{
    Q_OBJECT
public:
    explicit ArchiviazioneForm(QWidget *parent = nullptr);

    void Form_Load();
    void ElencaProgetti();
    void ImpostaDB();
    void PiazzaForm();

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void List1_Click();
    void List1_DblClick();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    void CreaControlli();
    qint64 IdSelezionato() const;

    int NumeroFrame = 0;
    ControlArray<QFrame> Frame1{"Frame1"};
    QLabel *Label1 = nullptr;
    DirListBox *Dir1 = nullptr;
    DriveListBox *Drive1 = nullptr;
    QPushButton *Command3 = nullptr;
    QLabel *Label2 = nullptr;
    FileListBox *File1 = nullptr;
    QLabel *Label = nullptr;
    QLabel *Label3 = nullptr;
    ListBox *List1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command4 = nullptr;
    bool caricamento_ = false;
};
