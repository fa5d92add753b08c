#pragma once

#include "ControlArray.h"
#include "FieldBinding.h"

#include <QObject>

#include <memory>

class ElencoMembri;
class QFrame;
class QGroupBox;
class QLabel;
class Sezione2Form;

// The members of a temporary association (ATS) on the proposer's page: the
// frame Frame14 with the member list and the selected member's details,
// shown in the place of the proposer's own address frame while the
// association box Check4 is checked. Each member is one row of ATS; each
// detail box is stored into the member chosen as soon as it is left.
class ElencoATS : public QObject
{
    Q_OBJECT
public:
    ElencoATS(Sezione2Form &form, QFrame *pagina0);
    ~ElencoATS() override;

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

    QGroupBox *Frame14 = nullptr;
    ControlArray<QWidget> Text1{"Text1"};  // the detail boxes
    ControlArray<QLabel> Label1{"Label1"};

private:
    void CreaControlli();

    Sezione2Form &form_;
    QFrame *pagina_;
    FieldBinding dettagli_;
    std::unique_ptr<ElencoMembri> membri_;
};
