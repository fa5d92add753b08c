#pragma once

// The window builds its pages from pieces of their own: the action types
// (PaginaAzioni), the target groups (PaginaDestinatari), the descriptive
// pages (PagineDescrittive), the module and action editors (PaginaModuli,
// PaginaAzioniNonFormative, both an EditorElenco), the delegated activities
// (PaginaDelega) and the picture buttons of 3.7 (GraficoProgetto). Boxes of
// every piece join the array Text1 through AggiungiCasella, which connects
// their change to Text1_Change (the totals). The array Label1 holds the
// labels that Impaginazione places; the editors name their own (Label12,
// Label13).

#include "ControlArray.h"
#include "FieldBinding.h"
#include "MdiChild.h"
#include "OptionGroup.h"
#include "Passo.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <memory>

class EditorElenco;
class GraficoProgetto;
class PaginaAzioni;
class PaginaDelega;
class PaginaDestinatari;
class QGroupBox;

// Section 3 of the form: the project's description on seventeen pages, the
// choice of action types that makes section 4's cost records, the target
// groups, sectors and certificates, and the planned hours and trainees with
// their totals. Every arrow stores the page it leaves; some pages store and
// load on arrival; leaving the window stores the whole window.
class Sezione3Form : public MdiChild
{
    Q_OBJECT
public:
    Sezione3Form();
    ~Sezione3Form() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Unload() override;

    void PiazzaForm();
    void PaginaVisibile();
    // The whole store and the whole fill, as steps over the window's parts:
    // the descriptive fields, the target groups, the action types, the
    // delegated activities.
    QList<Passo> PassiRegistraTutto();
    QList<Passo> PassiRiempeTutto();

    void RegistraCampi();
    void RiempeCampi();
    void RiempeCheckAzioni();
    void RegistraCheckAzioni();
    void RiempeDestinatariIntervento();
    void RegistraDestinatariIntervento();

    // The editors' procedures, run at the moments the page wizard gives. The
    // module and action details are stored only by their own buttons.
    void RiempeDelegati();
    void RegistraTerziDelegati();
    void CaricaModuli();
    void CaricaAzioni();
    void TabStrip1_Click();
    void TabStrip2_Click();
    void TabStrip3_Click();

    void FaiTotaleOre();
    void FaiTotaleAllievi();
    void FaiTotalePratica();
    void FaiTotaleOreComplessivo();

    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Check1_Click(int Index);
    void Option1_Click(int Index);
    void Text1_Change(int Index);

    // Makes a box member Index of Text1, its changes raising Text1_Change.
    QWidget *AggiungiCasella(int Index, QWidget *casella);
    // True when a database is open and the current project has both rows:
    // the procedures that add rows of their own act only then.
    static bool ProgettoCorrente();

    int PaginaCorrente = 0;  // the page shown, 0 to 16
    int NumeroFrame = 16;

    ControlArray<QFrame> Frame1{"Frame1"};
    ControlArray<QToolButton> Command1{"Command1"};  // previous
    ControlArray<QToolButton> Command2{"Command2"};  // next
    ControlArray<QWidget> Text1{"Text1"};            // line boxes, the long texts multi-line
    ControlArray<QLabel> Label1{"Label1"};
    ControlArray<QCheckBox> Check1{"Check1"};       // target groups, company needs, waiver
    ControlArray<QCheckBox> Check2{"Check2"};       // certificates
    ControlArray<QCheckBox> Check3{"Check3"};       // action types
    ControlArray<QCheckBox> Check4{"Check4"};       // sectors
    OptionGroup Option1{"Option1"};                 // second foreign language
    OptionGroup Option4{"Option4"};                 // education level
    ControlArray<QRadioButton> Option2{"Option2"};  // "In Itinere"/"Finale", not stored
    ControlArray<QRadioButton> Option3{"Option3"};  // "Interno"/"Esterno all'Organismo", not stored
    QLineEdit *Text2 = nullptr;                     // "Ore Totali Previste"
    QLineEdit *Text3 = nullptr;                     // the sum under "Di cui..."
    QLineEdit *Text4 = nullptr;                     // trainees' "Totale"
    QLabel *Label2 = nullptr;                       // the practice hours warning
    QLineEdit *Text6 = nullptr;                     // module's "Durata Complessiva...."
    QLineEdit *Text10 = nullptr;                    // module's "Pratica...."

    QGroupBox *RiquadroGrafico = nullptr;
    QGroupBox *RiquadroModuli = nullptr;
    QGroupBox *RiquadroAzioni = nullptr;
    QGroupBox *RiquadroDelega = nullptr;
    // The label of the funding-sources box, enabled with it.
    QLabel *EtichettaFonti = nullptr;

private:
    void RegistraPaginaLasciata();
    // The whole number a box of Text1 holds; 0 for none or what is no number.
    qint64 Operando(int Index) const;

    FieldBinding campi_;  // the descriptive fields, stored and filled
    FieldBinding copie_;  // section 1's hours and trainees, stored when changed here
    std::unique_ptr<PaginaAzioni> azioni_;
    std::unique_ptr<PaginaDestinatari> destinatari_;
    // Owned by their pages' frames.
    EditorElenco *moduli_ = nullptr;
    EditorElenco *azioniNonFormative_ = nullptr;
    PaginaDelega *delega_ = nullptr;
};
