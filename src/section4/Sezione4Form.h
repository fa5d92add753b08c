#pragma once

// Section 4: the cost plan of each action chosen in section 3, on page
// frames Frame1(0) to Frame1(10), and the print page Frame1(11), shown only
// when the window loads in print mode.
//
// Where the rest of the window plugs in:
// - The controls are in `ui` (Sezione4Controlli), built by PagineSezione4.
// - The cost detail grids of pages 1 to 8 (the control arrays VSFlexGrid2,
//   VSFlexGrid14, VSFlexGrid7, VSFlexGrid10, VSFlexGrid13 and the single grid
//   VSFlexGrid6) and the attachments grid VSFlexGrid3 of page 10 are declared
//   in Dettagli, one line a column, and built by GriglieDettaglio at the
//   places PostiGriglie keeps for them; RegistraSpese and RiempeSpese store
//   and fill the six cost tables through it, RegistraAllegati and
//   RiempeAllegati the attachments. Their total boxes carry their figures to
//   the summary of page 9.
// - The print page holds its labels, options, progress bar, buttons and the
//   rich-text box the print run fills its templates in (StampaProgetto). The
//   run makes each printed action current through RendiCorrente, which
//   empties the pages and refills every box and total for it.

#include "MdiChild.h"
#include "Passo.h"
#include "Sezione4Controlli.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class CascataTotali;
class EditableGrid;
class ElencoAzioni;
class GriglieDettaglio;
class Recordset;
class ScorriPagine;
class SpeseAzione;
class StampaProgetto;

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
    // The six cost detail tables of the current action, in their fixed
    // order, and the project's attachments.
    void RegistraSpese();
    void RiempeSpese();
    void RegistraAllegati();
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

    // The window's controls, as its pages lay them out.
    Sezione4Controlli ui;

private:
    void Collega();
    void ControllaAzioneCorrente();
    void LasciaAzione();
    void DescriviAzione();
    void MostraAzione();
    bool Registra();
    // The walk of the previous and next buttons over the pages.
    ScorriPagine Pagine();
    // The whole store and the whole fill, as steps over the window's two
    // parts: the current action's cost plan, the project's attachments.
    QList<Passo> PassiRegistraTutto();
    QList<Passo> PassiRiempeTutto();
    // The current action's cost record, its SpeseSez3 row; at its end
    // (Eof) when the record was deleted meanwhile.
    std::unique_ptr<Recordset> RecordSpese() const;
    void RegistraTotaleProgetto();
    // Page 10's cost per trainee-hour, from the figures its boxes show;
    // none when there are no trainees or no hours.
    std::optional<double> CostoOrario() const;
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
