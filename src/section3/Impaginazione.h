#pragma once

#include <QString>
#include <Qt>

class QGroupBox;
class QLabel;
class QWidget;
class Sezione3Form;

// Places the controls of section 3's pages, in twips: frames, labels and
// the boxes of the array Text1. Labels are numbered Label1(0), Label1(1)...
// in the order in which they are made.
class Impaginazione
{
public:
    explicit Impaginazione(Sezione3Form &form) : form_(form) {}

    static constexpr int kRiga = 195;     // a line of text
    static constexpr int kCasella = 315;  // a one-line box
    static constexpr int kTitolo = 285;   // a frame's contents below its caption

    QGroupBox *Riquadro(QWidget *padre, const QString &titolo, int left, int top, int width, int height);
    // A label; one taller than a line wraps its words.
    QLabel *Etichetta(QWidget *padre, const QString &testo, int left, int top, int width, int height = kRiga);
    // A box made member Index of Text1.
    QWidget *Casella(int indice, QWidget *padre, int limite, bool multiriga, int left, int top, int width,
                     int height = kCasella, Qt::Alignment allineamento = {});
    // A box under its one-line label; returns the box.
    QWidget *CasellaSotto(int indice, const QString &etichetta, QWidget *padre, int limite, bool multiriga, int left,
                          int top, int width, int height);

private:
    Sezione3Form &form_;
    int etichette_ = 0;
};
