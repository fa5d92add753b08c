#pragma once

// Page frame 0 keeps the rectangle of the proposer's address frame Frame3(0),
// left 45, top 300, width 9180, height 3585 twips (RettangoloFrame14()), for
// the association block Frame14, which is shown in its place while Check4 is
// checked. Check4 sits over the top right of that rectangle, on the frames'
// caption row (left 5145, top 300, width 4050, height 285 twips), and is
// brought to the front whenever it changes.
// Controls of pages 0 to 3: Text1(0) to Text1(87), Label1(0) to Label1(115),
// Text2(0), Text2(1), Text3(0) to Text3(2), Check1(0) to Check1(3), Check2,
// Check3(0), Check3(1), Check4, Option1(0) to Option1(2), Combo1.
// Page frames 4 and 5 hold only their previous and next buttons.

#include "ComboBox.h"
#include "ControlArray.h"
#include "FieldBinding.h"
#include "MdiChild.h"
#include "OptionGroup.h"
#include "Passo.h"

#include <QFrame>
#include <QRect>
#include <QToolButton>

#include <memory>

class ElencoATS;
class ElencoCommittenti;
class PaginaConsorzi;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class Recordset;

// Section 2 of the form: the proposer's details, organisation, training
// history and results, and the lists of partner organisations, on six page
// frames walked in the order of the page plan PagineSezione2. Every page
// change stores the proposer's record and reads it back.
class Sezione2Form : public MdiChild
{
    Q_OBJECT
public:
    Sezione2Form();
    ~Sezione2Form() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Unload() override;

    void PiazzaForm();
    void PaginaVisibile();
    void RegistraCampi();
    void RiempeCampi();
    void RiempiCombo();

    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Combo1_Click();
    void Check2_Click();

    // Where the association block goes on page frame 0, in pixels.
    static QRect RettangoloFrame14();
    // The caption of the seat in the region the programme serves.
    static QString EtichettaSedeRegione();
    // The three history years as the section shows them: the first as chosen,
    // the next two as numbers with the sign position kept (" 2002").
    static QStringList TreAnni(const QString &primoAnno);

    ComboBox *Combo1() const { return combo1_; }

    // The project's partner rows, opened when the window loads; none while
    // no database is open.
    std::unique_ptr<Recordset> DynATS, DynConsorzi, DynCommittenti;

    int PaginaCorrente = 0;  // position in PagineSezione2 of the page shown
    int NumeroFrame = 5;

    ControlArray<QFrame> Frame2{"Frame2"};
    ControlArray<QToolButton> Command1{"Command1"};  // next
    ControlArray<QToolButton> Command2{"Command2"};  // previous
    ControlArray<QGroupBox> Frame3{"Frame3"};
    ControlArray<QWidget> Text1{"Text1"};  // line boxes, the long texts multi-line
    ControlArray<QLineEdit> Text2{"Text2"};
    ControlArray<QLineEdit> Text3{"Text3"};
    ControlArray<QLabel> Label1{"Label1"};
    ControlArray<QCheckBox> Check1{"Check1"};
    ControlArray<QCheckBox> Check3{"Check3"};
    OptionGroup Option1{"Option1"};
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check4 = nullptr;

private:
    void CreaPagina0(QFrame *pagina);
    void CreaPagina1(QFrame *pagina);
    void CreaPagina2(QFrame *pagina);
    void CreaPagina3(QFrame *pagina);
    void CreaStorico(QFrame *pagina, int anno, int top);
    void LegaCampi();
    void ApriElenchi();
    // The whole store and the whole fill, as steps over the window's parts:
    // the proposer's record, the association member, the client company,
    // the consortium page.
    QList<Passo> PassiRegistraTutto();
    QList<Passo> PassiRiempeTutto();
    // Shows the consortium page's rows.
    void RiempePaginaConsorzi();
    void RegistraPaginaLasciata();
    QStringList ElencoDellaPagina() const;
    // The page frame at a position of the plan; past the plan, the end.
    int PaginaAllaPosizione(int posizione) const;
    bool EPagina(int pagina) const { return pagina >= 0 && pagina <= NumeroFrame; }

    QGroupBox *Riquadro(QWidget *pagina, const QString &titolo, int left, int top, int width, int height);
    QLabel *Etichetta(QWidget *padre, const QString &testo, int left, int top, int width, int height = 195);
    QWidget *Casella(int indice, QWidget *padre, int left, int top, int width, int height = 330);
    QWidget *CasellaSotto(int indice, const QString &etichetta, QWidget *padre, int left, int top, int width,
                          int height = 330);
    QLineEdit *Anno(ControlArray<QLineEdit> &array, int indice, QWidget *padre, int left, int top);

    ComboBox *combo1_ = nullptr;
    QLabel *etichettaAttivita_ = nullptr;
    int etichette_ = 0;
    FieldBinding campi_;
    std::unique_ptr<ElencoATS> ats_;
    std::unique_ptr<ElencoCommittenti> committenti_;
    std::unique_ptr<PaginaConsorzi> consorzi_;
};
