#pragma once

#include "ControlArray.h"
#include "FieldBinding.h"
#include "OptionGroup.h"

#include <QObject>

#include <memory>

class ElencoMembri;
class QFrame;
class QLabel;
class Sezione2Form;
class TabbedPages;

// Page frame 4: the companies that commission the training, one row of
// Committenti each, with the selected company's record in the header boxes
// and the tabbed pages SSTab1.
class ElencoCommittenti : public QObject
{
    Q_OBJECT
public:
    ElencoCommittenti(Sezione2Form &form, QFrame *pagina4);
    ~ElencoCommittenti() override;

    // Rebuilds the list from the project's rows; no company is selected after.
    void ElencaCommittenti();
    // Stores the page into the selected company's row.
    void RegistraCommittenti();
    // Fills the page from the current row of DynCommittenti.
    void RiempeCommittenti();
    // Titles the yearly rows and columns from the first history year.
    void AggiornaAnni(const QString &primoAnno);

    TabbedPages *SSTab1 = nullptr;
    ControlArray<QWidget> Text4{"Text4"};  // line boxes, the long texts multi-line
    ControlArray<QLabel> Label1{"Label1"};
    OptionGroup Option2{"Option2"};

private:
    void CreaControlli();
    void CreaSchede();
    // Stores the page into the company with this key; tells the user when it is gone.
    void RegistraAzienda(qint64 chiave);

    Sezione2Form &form_;
    QFrame *pagina_;
    FieldBinding campi_;
    std::unique_ptr<ElencoMembri> membri_;
};
