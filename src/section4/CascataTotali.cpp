#include "CascataTotali.h"

#include "EditableGrid.h"
#include "Importi.h"
#include "Sezione4Controlli.h"
#include "TextBox.h"
#include "TotaliSpese.h"
#include "UscitaFuoco.h"

using Importi::Importo;
using Importi::Valore;

namespace {

// The figure a box shows.
Cifra Figura(const TextBox *casella)
{
    return Valore(casella->text());
}

// The figures of the boxes of an array from one index to another.
QList<Cifra> Figure(const ControlArray<TextBox> &caselle, int primo, int ultimo)
{
    QList<Cifra> figure;
    for (int i = primo; i <= ultimo; ++i)
        if (const TextBox *casella = caselle[i])
            figure.append(Figura(casella));
    return figure;
}

}  // namespace

CascataTotali::CascataTotali(Sezione4Controlli &ui) : ui_(ui), uscita_(new UscitaFuoco(this))
{
    Sezione4Controlli &f = ui_;
    // The summary items of page 9 and the boxes they come from; item 12
    // comes from Text1(8) through Text1_Change.
    voci_ = {
        {0, Copia, {f.Text2}},
        {1, Copia, {f.Text3}},
        {2, Somma, {f.Text4, f.Text5, f.Text6}},
        {3, Somma, {f.Text20, f.Text21, f.Text31}},
        {4, Somma, {f.Text9}},
        {5, Somma, {f.Text32}},
        {6, Somma, {f.Text23}},
        {7, Somma, {f.Text12, f.Text13, f.Text14}},
        {8, Copia, {f.Text16}},
        {9, Copia, {f.Text17}},
        {10, Copia, {f.Text19}},
        {11, Copia, {f.Text18}},
        {13, Copia, {f.Text33}},
        {14, Somma, {f.Text8, f.Text10, f.Text11}},
        {15, Copia, {f.Text7}},
    };
    Collega();
}

CascataTotali::~CascataTotali() = default;

void CascataTotali::Collega()
{
    for (const auto &[i, casella] : ui_.Text1) {
        connect(casella, &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        uscita_->Sorveglia(casella);
    }
    connect(uscita_, &UscitaFuoco::Uscita, this, [this](QWidget *casella) {
        const int i = ui_.Text1.IndexOf(casella);
        if (i >= 0)
            Text1_LostFocus(i);
    });
    for (const Voce &voce : voci_)
        for (TextBox *fonte : voce.fonti)
            connect(fonte, &QLineEdit::textChanged, this, [this, k = voce.k] { VoceRiepilogo(k); });
    for (const auto &[k, casella] : ui_.Text24)
        connect(casella, &QLineEdit::textChanged, this, [this, k] { Text24_Change(k); });
    for (const auto &[g, casella] : ui_.Text25)
        connect(casella, &QLineEdit::textChanged, this, [this, g] { Text25_Change(g); });
    for (TextBox *casella : {ui_.Text22, ui_.Text27, ui_.Text28})
        connect(casella, &QLineEdit::textChanged, this, &CascataTotali::CostoOrario);
}

Cifra CascataTotali::FaiTotaleText1(int Primo, int Ultimo) const
{
    return TotaliSpese::Somma(Figure(ui_.Text1, Primo, Ultimo));
}

Cifra CascataTotali::FaiTotaleText24(int Primo, int Ultimo) const
{
    return TotaliSpese::Somma(Figure(ui_.Text24, Primo, Ultimo));
}

Cifra CascataTotali::FaiTotaleText25(int Primo, int Ultimo) const
{
    return TotaliSpese::Somma(Figure(ui_.Text25, Primo, Ultimo));
}

void CascataTotali::Text1_Change(int Index)
{
    const ControlArray<TextBox> &t = ui_.Text1;
    switch (Index) {
    case 0:
    case 1:
        ui_.Text3->setText(Importo(FaiTotaleText1(0, 1)));
        break;
    case 4:
    case 5:
    case 6:
        ui_.Text23->setText(Importo(TotaliSpese::Selezione(Figura(t[4]), Figura(t[5]), Figura(t[6]))));
        break;
    case 8:
        ui_.Text24[12]->setText(Importo(Figura(t[8])));
        break;
    case 25:
    case 26:
        ui_.Text7->setText(Importo(FaiTotaleText1(25, 26)));
        break;
    default:
        if (Index >= 14 && Index <= 24)
            TotaleSpeseGestione();
        break;
    }
}

void CascataTotali::TotaleSpeseGestione()
{
    const EditableGrid *altre = ui_.VSFlexGrid13[1];
    ui_.Text1[8]->setText(
        Importo(TotaliSpese::Somma({FaiTotaleText1(14, 24), altre ? Importi::Colonna(*altre, 1) : Cifra()})));
}

void CascataTotali::Text1_LostFocus(int Index)
{
    TextBox *casella = ui_.Text1[Index];
    // A figure beyond what can be stored stays as typed, for the user to
    // put right; the store refuses it and says so.
    const Cifra valore = Figura(casella);
    if (valore.Esatta())
        casella->setText(Importo(valore));
}

void CascataTotali::VoceRiepilogo(int k)
{
    for (const Voce &voce : voci_) {
        if (voce.k != k)
            continue;
        TextBox *voceRiepilogo = ui_.Text24[k];
        if (voce.operazione == Copia) {
            voceRiepilogo->setText(voce.fonti.front()->text());
            return;
        }
        QList<Cifra> figure;
        for (const TextBox *fonte : voce.fonti)
            figure.append(Figura(fonte));
        voceRiepilogo->setText(Importo(TotaliSpese::Somma(figure)));
        return;
    }
}

void CascataTotali::Text24_Change(int Index)
{
    if (const std::optional<TotaliSpese::Gruppo> gruppo = TotaliSpese::GruppoDellaVoce(Index))
        ui_.Text25[gruppo->indice]->setText(Importo(FaiTotaleText24(gruppo->prima, gruppo->ultima)));
}

void CascataTotali::Text25_Change(int Index)
{
    if (Index >= 0 && Index <= 3)
        ui_.Text26->setText(Importo(FaiTotaleText25(0, 3)));
}

void CascataTotali::CostoOrario()
{
    const std::optional<double> costo =
        TotaliSpese::CostoOrario(Figura(ui_.Text22), Figura(ui_.Text27), Figura(ui_.Text28));
    ui_.Text29->setText(costo ? Importi::Quoziente(*costo) : QString("0"));
}
