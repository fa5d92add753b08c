#pragma once

#include "ControlArray.h"
#include "FieldBinding.h"
#include "MdiChild.h"
#include "OptionGroup.h"
#include "TextBox.h"

#include <QFrame>
#include <QLineEdit>
#include <QStringList>
#include <QToolButton>

class ComboBox;
class DisplayGrid;
class ListBox;

// Section 1 of the form: the proposer's identity, the project's cost and its
// financing split, and a read-only summary of the target groups and sectors
// chosen in section 3. One page; it refills itself from the current project
// whenever it loads or becomes active and stores itself whenever it is left.
class Sezione1Form : public MdiChild
{
    Q_OBJECT
public:
    Sezione1Form();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Unload() override;

    void PiazzaForm();
    void RiempiCombos();
    void RiempiArray();
    void RiempiCampi();
    void RegistraCampi();
    void RiempeDestinatariIntervento();
    void TestataGrid1(int A, int B, int C, int D, int E);
    void CalcolaGrid1();

    void Option1_Click(int Index);
    void Option3_Click(int Index);
    void Option4_Click(int Index);
    void Text1_Change(int Index);
    void Command1_Click();
    void Command2_Click();

    ControlArray<QFrame> Frame1{"Frame1"};
    ControlArray<TextBox> Text1{"Text1"};
    ControlArray<QToolButton> Command1{"Command1"};
    ControlArray<QToolButton> Command2{"Command2"};
    OptionGroup Option1{"Option1"};
    OptionGroup Option3{"Option3"};
    OptionGroup Option4{"Option4"};
    OptionGroup Option5{"Option5"};
    QFrame *Frame7 = nullptr;
    ComboBox *Combo4 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    DisplayGrid *MSFlexGrid1 = nullptr;
    ListBox *List1 = nullptr;
    ListBox *List2 = nullptr;

private:
    void CreaControlli();
    QWidget *CreaSoggettoProponente(QWidget *pagina);
    QWidget *CreaCostoProgetto(QWidget *pagina);
    QWidget *CreaRiepilogo(QWidget *parent);
    TextBox *Casella(int index, int lunghezza, bool numerica, QWidget *parent);
    void LegaCampi();
    void CalcolaTotali();
    // The fill of the load and of every activation.
    void RiempiTutto();
    void CalcolaCostoOrario(const QString &formato);

    int NumeroFrame = 0;
    // The boxes and options stored into the project's two rows.
    FieldBinding campi_;
    QStringList Destinatari;
    QStringList Settori;
};
