#pragma once

#include "ControlArray.h"
#include "ElencoMembri.h"
#include "FieldBinding.h"
#include "OptionGroup.h"

#include <QCheckBox>
#include <QObject>

#include <memory>

class QBoxLayout;
class QFrame;
class QLabel;
class QLineEdit;
class Recordset;
class Sezione2Form;
class TabbedPages;

// Page frame 5, "SEZIONE 2/B": one Consorzi row at a time. With the switch
// Check5 off the page is the proposer's own row (consorzio "Nessuno"); with
// it on, the row of the consortium member chosen in List2.
class PaginaConsorzi : public QObject
{
    Q_OBJECT
public:
    PaginaConsorzi(Sezione2Form &form, QFrame *pagina5);
    ~PaginaConsorzi() override;

    // The consortium switch; its value is stored with the proposer as finilucro1.
    QCheckBox *Check5 = nullptr;

    // Rebuilds the member list (members only while the switch is on).
    void ElencaConsorzi();
    // Stores the page into its row: the selected member's, or the project's own.
    void RegistraConsorzi();
    // Fills the page from its row.
    void RiempeConsorzi();
    // Empties the record's boxes but the consortium's name.
    void SvuotaConsorzi();
    // Titles the yearly rows and columns from the first history year.
    void AggiornaAnni(const QString &primoAnno);

    void Check5_Click(bool checked);

    QFrame *Striscia = nullptr;  // the strip at the top, under the switch
    TabbedPages *SSTab2 = nullptr;
    QLabel *EtichettaConsorzio = nullptr;
    QLabel *EtichettaNuova = nullptr;
    QLabel *EtichettaDenominazione = nullptr;
    ControlArray<QWidget> Text4{"Text4"};    // 44 to 114: the record's boxes
    ControlArray<QLineEdit> Text3{"Text3"};  // 3 to 5: the years of the results rows
    ControlArray<QLabel> Label1{"Label1"};
    ControlArray<QCheckBox> Check1{"Check1"};  // 4 to 7: premises
    ControlArray<QCheckBox> Check3{"Check3"};  // 2, 3: coherence of employment
    OptionGroup Option1{"Option1"};            // 3 to 5: territorial scope

private:
    // The member list: the switch on lists the members; a member is added
    // with the consortium's name at once, and named when its box is left.
    ElencoMembri::Modo ModoElenco();
    void CreaStriscia();
    void CreaSchede();
    QWidget *Casella(int index) const { return Text4[index]; }
    void RegistraRiga(bool acceso);
    // Stores the page into the row found (none: nothing).
    void RegistraNellaRiga(Recordset *riga);
    void ScriviCampi(Recordset &riga);
    // The project's own row, added with only its Id when it has none yet.
    void PosizionaRigaPropria(bool crea);
    // The page is the visible page of the window.
    bool PaginaMostrata() const;

    Sezione2Form &form_;
    QFrame *pagina_;
    QBoxLayout *rigaDenominazione_ = nullptr;  // the row whose first column is the proposer's name
    int quotaDenominazione_ = 0;               // that column's share of the row while shown
    FieldBinding campi_;
    std::unique_ptr<ElencoMembri> membri_;
    qint64 nuovaRiga_ = 0;  // key of the member being added
};
