#pragma once

#include "ControlArray.h"
#include "FieldBinding.h"
#include "OptionGroup.h"

#include <QObject>

class ListBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Recordset;
class Sezione2Form;
class TabbedPages;
class UscitaFuoco;

// Page frame 4: the companies that commission the training, one row of
// Committenti each, with the selected company's record in the header boxes
// and the tabbed pages SSTab1.
class ElencoCommittenti : public QObject
{
    Q_OBJECT
public:
    ElencoCommittenti(Sezione2Form &form, QFrame *pagina4);

    // Rebuilds the list from the project's rows; no company is selected after.
    void ElencaCommittenti();
    // Stores the page into the selected company's row.
    void RegistraCommittenti();
    // Fills the page from the current row of DynCommittenti.
    void RiempeCommittenti();
    // Titles the yearly rows and columns from the first history year.
    void AggiornaAnni(const QString &primoAnno);

    void Command8_Click();
    void Command3_Click();
    void List3_Click();
    void Text4_Validate(int index);

    ListBox *List3 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command3 = nullptr;
    TabbedPages *SSTab1 = nullptr;
    ControlArray<QWidget> Text4{"Text4"};  // line boxes, the long texts multi-line
    ControlArray<QLabel> Label1{"Label1"};
    OptionGroup Option2{"Option2"};

private:
    void CreaControlli();
    void CreaSchede();
    // DynCommittenti standing on the company with this key; nullptr (the
    // user told) when it is gone.
    Recordset *Azienda(qint64 chiave);
    // Stores the page into the company with this key; tells the user when it is gone.
    void RegistraAzienda(qint64 chiave);
    // The company's boxes and tabs can be used exactly while one is selected.
    void AggiornaAbilitazione();

    Sezione2Form &form_;
    QFrame *pagina_;
    FieldBinding campi_;
    UscitaFuoco *uscita_;
    qint64 mostrata_ = 0;  // key of the selected company whose record the page shows
    bool aggiungendo_ = false;
    bool validando_ = false;
};
