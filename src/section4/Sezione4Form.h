#pragma once

// Section 4: the cost plan of each action chosen in section 3, on page
// frames Frame1(0) to Frame1(10), and the print page Frame1(11), shown only
// when the window loads in print mode.
//
// Where the rest of the window plugs in:
// - The cost detail grids of pages 1 to 8 (the control arrays VSFlexGrid2,
//   VSFlexGrid14, VSFlexGrid7, VSFlexGrid10, VSFlexGrid13 and the single grid
//   VSFlexGrid6) and the attachments grid VSFlexGrid3 of page 10 are declared
//   in Dettagli, one line a column, and built by GriglieDettaglio at the
//   places PostiGriglie keeps for them; the RegistraSpese... and
//   RiempeSpese... procedures, RegistraAllegati and RiempeAllegati store and
//   fill them through it. Their total boxes carry their figures to the
//   summary of page 9.
// - The print page holds its labels, options, progress bar, buttons and the
//   rich-text box the print run fills its templates in (StampaProgetto). The
//   run makes each printed action current through RendiCorrente, which
//   empties the pages and refills every box and total for it.

#include "ControlArray.h"
#include "MdiChild.h"
#include "Passo.h"

#include <QFrame>
#include <QRect>
#include <QString>
#include <QToolButton>

#include <map>
#include <memory>
#include <vector>

class CascataTotali;
class EditableGrid;
class ElencoAzioni;
class GriglieDettaglio;
class ListBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class RichTextBox;
class SpeseAzione;
class StampaProgetto;
class TextBox;

// Where a cost grid of a later page goes: its frame and its rectangle in
// twips within that frame.
struct PostoGriglia
{
    QWidget *riquadro = nullptr;
    QRect twips;
};

class Sezione4Form : public MdiChild
{
    Q_OBJECT
public:
    Sezione4Form();
    ~Sezione4Form() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Unload() override;

    void PiazzaForm();
    void PaginaVisibile();
    // The whole fill of the current action's cost plan and of the project's
    // attachments, in its fixed order; false when it could not be read.
    bool RiempeTutto();
    // Empties the cost grids, the attachments and the boxes the user types
    // into, before another action is filled in.
    void SvuotaSez4();

    // The current action's cost record and the project's figures of page 10.
    void RegistraCampi();
    void RiempeCampi();
    // The six cost detail tables, in their fixed order, and the attachments.
    void RegistraSpese();
    void RiempeSpese();
    void RegistraSpeseAttrezzature();
    void RegistraSpeseMaterialiServizi();
    void RegistraSpeseRaggiungimento();
    void RegistraSpeseRisorse();
    void RegistraSpeseStages();
    void RegistraSpeseViaggioDocenti();
    void RegistraAllegati();
    void RiempeSpeseAttrezzature();
    void RiempeSpeseMaterialiServizi();
    void RiempeSpeseRaggiungimento();
    void RiempeSpeseRisorse();
    void RiempeSpeseStages();
    void RiempeSpeseViaggioDocenti();
    void RiempeAllegati();

    void Command1_Click(int Index);  // previous
    void Command2_Click(int Index);  // next
    void Command3_Click();           // "Seleziona altre Azioni"
    void ButTotaleGenerale_Click();
    void List1_DblClick(int Index);
    void Annulla_Click();      // "Chiudi" on the print page
    void AvviaStampa_Click();  // "Avvia Stampa": the print run
    // The print run's current action: the pages emptied, then refilled for it.
    void RendiCorrente(qint64 IdSez3);
    // True while the print run goes on: the window cannot be closed.
    bool IsBusy() const override;

    // The cost pages take input only while an action is current.
    void AbilitaCosti();

    CascataTotali &Totali() const { return *cascata_; }

    int PaginaCorrente = 0;
    int NumeroFrame = 10;
    qint64 IdSez3Corrente = 0;  // the current action's cost record, 0: none
    QString DescrizioneAzioneCorrente;

    // Pages and navigation.
    ControlArray<QFrame> Frame1{"Frame1"};
    ControlArray<QToolButton> Command1{"Command1"};  // previous
    ControlArray<QToolButton> Command2{"Command2"};  // next
    QPushButton *Command3 = nullptr;
    QPushButton *ButTotaleGenerale = nullptr;
    // 0 to 8: the current action at the foot of pages 1 to 9; 9: the print page's explanation.
    ControlArray<QLabel> Label2{"Label2"};
    ControlArray<QLabel> Label1{"Label1"};  // the "Totale" labels the detail grids refer to

    // Page 0: the chosen actions, one list per action group.
    ControlArray<ListBox> List1{"List1"};
    ControlArray<QLabel> Label6{"Label6"};
    QLabel *Label7 = nullptr;  // page 9: the count of listed actions

    // Cost items typed by the user, and Text1(8), the running expenses.
    ControlArray<TextBox> Text1{"Text1"};
    TextBox *Text31 = nullptr;
    TextBox *Text32 = nullptr;
    // Totals of the cost pages.
    TextBox *Text2 = nullptr;
    TextBox *Text3 = nullptr;
    TextBox *Text4 = nullptr;
    TextBox *Text5 = nullptr;
    TextBox *Text6 = nullptr;
    TextBox *Text7 = nullptr;
    TextBox *Text8 = nullptr;
    TextBox *Text9 = nullptr;
    TextBox *Text10 = nullptr;
    TextBox *Text11 = nullptr;
    TextBox *Text12 = nullptr;
    TextBox *Text13 = nullptr;
    TextBox *Text14 = nullptr;
    TextBox *Text16 = nullptr;
    TextBox *Text17 = nullptr;
    TextBox *Text18 = nullptr;
    TextBox *Text19 = nullptr;
    TextBox *Text20 = nullptr;
    TextBox *Text21 = nullptr;
    TextBox *Text23 = nullptr;
    TextBox *Text33 = nullptr;
    // Page 9: the summary items, the group totals and the action's total.
    ControlArray<TextBox> Text24{"Text24"};
    ControlArray<TextBox> Text25{"Text25"};
    TextBox *Text26 = nullptr;
    // Page 10: the project's total, trainees, hours and cost per trainee-hour.
    TextBox *Text22 = nullptr;
    TextBox *Text27 = nullptr;
    TextBox *Text28 = nullptr;
    TextBox *Text29 = nullptr;

    // The fixed grids of pages 1 and 2, and the places of the other grids.
    EditableGrid *VSFlexGrid1 = nullptr;
    EditableGrid *VSFlexGrid8 = nullptr;
    ControlArray<EditableGrid> VSFlexGrid2{"VSFlexGrid2"};
    ControlArray<EditableGrid> VSFlexGrid14{"VSFlexGrid14"};
    ControlArray<EditableGrid> VSFlexGrid7{"VSFlexGrid7"};
    ControlArray<EditableGrid> VSFlexGrid10{"VSFlexGrid10"};
    ControlArray<EditableGrid> VSFlexGrid13{"VSFlexGrid13"};
    EditableGrid *VSFlexGrid6 = nullptr;
    EditableGrid *VSFlexGrid3 = nullptr;
    std::map<QString, PostoGriglia> PostiGriglie;

    // Page 11, the print page.
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label9 = nullptr;
    ControlArray<QLabel> Label10{"Label10"};
    QLabel *Label11 = nullptr;
    QLabel *Label8 = nullptr;
    QGroupBox *Frame40 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *AvviaStampa = nullptr;
    QPushButton *Annulla = nullptr;
    RichTextBox *RichTextBox1 = nullptr;

private:
    void Collega();
    void ControllaAzioneCorrente();
    void LasciaAzione();
    void DescriviAzione();
    void MostraAzione();
    bool Registra();
    // The whole store and the whole fill, as steps over the window's two
    // parts: the current action's cost plan, the project's attachments.
    QList<Passo> PassiRegistraTutto();
    QList<Passo> PassiRiempeTutto();
    void RegistraTotaleProgetto();
    // Every grid whose cells hold the current action's costs.
    std::vector<EditableGrid *> GriglieCosti() const;

    std::unique_ptr<CascataTotali> cascata_;
    std::unique_ptr<ElencoAzioni> azioni_;
    std::unique_ptr<SpeseAzione> spese_;
    std::unique_ptr<GriglieDettaglio> griglie_;
    // The action whose lines and items the pages were last emptied for.
    qint64 svuotataPer_ = 0;
    std::unique_ptr<StampaProgetto> stampa_;
};
