#pragma once

#include "Cifra.h"

#include <QObject>

#include <vector>

struct Sezione4Controlli;
class TextBox;
class UscitaFuoco;

// The totals of the current action's cost plan and the project's cost per
// trainee-hour, shown by the boxes' change handlers: each reads the figures
// of the boxes it depends on and shows what TotaliSpese computes from them.
// Every write of a box, typed or done by a fill, a clearing or another
// handler, runs its handler at once, even when the text stays the same (a
// TextBox announces every write), which writes the boxes of the next level:
// cost items and section totals feed the sixteen summary items Text24, each
// item its group total Text25, the group totals the action's total Text26.
// So a fill that writes a stored total into Text26 is put right by the
// writes after it. On page 10 Text22, Text27 and Text28 give Text29. The
// boxes are the only state. Amounts are summed exactly in 64 bits; a total
// beyond them is shown approximately, and the store refuses it.
class CascataTotali : public QObject
{
    Q_OBJECT
public:
    explicit CascataTotali(Sezione4Controlli &ui);
    ~CascataTotali() override;

    // Sums of the whole numbers in Text1, Text24 or Text25 from Primo to Ultimo.
    Cifra FaiTotaleText1(int Primo, int Ultimo) const;
    Cifra FaiTotaleText24(int Primo, int Ultimo) const;
    Cifra FaiTotaleText25(int Primo, int Ultimo) const;

    void Text1_Change(int Index);
    void Text1_LostFocus(int Index);
    void Text24_Change(int Index);
    void Text25_Change(int Index);
    // A source box of the summary item k changed.
    void VoceRiepilogo(int k);
    // Text22, Text27 or Text28 changed.
    void CostoOrario();
    // Text1(8): the eleven general expenses and the other-expenses grid.
    void TotaleSpeseGestione();

private:
    // A summary item shows its source's text as it stands, or the sum of
    // its sources' figures.
    enum Operazione { Copia, Somma };
    struct Voce
    {
        int k;
        Operazione operazione;
        std::vector<TextBox *> fonti;
    };

    void Collega();

    Sezione4Controlli &ui_;
    std::vector<Voce> voci_;
    UscitaFuoco *uscita_;
};
