#pragma once

#include "ControlArray.h"
#include "FieldBinding.h"

#include <QObject>

class ListBox;
class QFrame;
class QGroupBox;
class QLabel;
class TextBox;
class QPushButton;
class Recordset;
class Sezione2Form;
class UscitaFuoco;

// The members of a temporary association (ATS) on the proposer's page: the
// frame Frame14 with the member list and the selected member's details,
// shown in the place of the proposer's own address frame while the
// association box Check4 is checked. Each member is one row of ATS.
class ElencoATS : public QObject
{
    Q_OBJECT
public:
    ElencoATS(Sezione2Form &form, QFrame *pagina0);

    // Rebuilds the list from the project's rows; no member is selected after.
    void ElencaATS();
    // Stores the detail boxes into the selected member's row.
    void RegistraATs();
    // Stores the detail boxes into the row of the member with this key.
    void RegistraMembro(qint64 chiave);
    // Fills the detail boxes from the current row of DynATS.
    void RiempeATS();
    void SvuotaAts();

    void Check4_Click(bool checked);
    void Command4_Click();
    void Command5_Click();
    void List1_Click();
    // The focus left box Text1(index): 136 completes an add, 118 to 135 store.
    void Text1_Validate(int index);

    QGroupBox *Frame14 = nullptr;
    ListBox *List1 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    ControlArray<QWidget> Text1{"Text1"};
    ControlArray<QLabel> Label1{"Label1"};

private:
    // The dynaset standing on the selected member's row; nullptr when nothing
    // is selected or the row is gone (then the user is told).
    Recordset *MembroScelto();
    void CreaControlli();
    // The detail boxes can be typed into exactly while a member is selected.
    void AggiornaAbilitazione();

    Sezione2Form &form_;
    QFrame *pagina_;
    FieldBinding dettagli_;
    UscitaFuoco *uscita_;
    qint64 mostrato_ = 0;  // the member whose details are shown, 0: none
    bool aggiungendo_ = false;
    bool validando_ = false;
};
