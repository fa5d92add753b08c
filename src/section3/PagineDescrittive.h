#pragma once

#include "ControlArray.h"

#include <QString>

class FieldBinding;
class QFrame;
class QGroupBox;
class QRadioButton;
class QWidget;
class Impaginazione;
class Sezione3Form;

// The descriptive pages of section 3 (pages 2 to 16 but the editors'
// contents): their frames with the headings, the boxes with their labels,
// limits and fields, the company-need check boxes, the language options,
// the planned hours and trainees with their result boxes, and the option
// pairs that nothing stores. Lega declares which field each control shows.
class PagineDescrittive
{
public:
    PagineDescrittive(Sezione3Form &form, Impaginazione &impagina) : form_(form), impagina_(impagina) {}

    void Crea();
    // The controls bound to the project's two rows (0 Principale,
    // 1 Secondario), in store order; copie gets the four fields that
    // section 1 shows too, stored only.
    void Lega(FieldBinding &campi, FieldBinding &copie) const;

private:
    void CreaPagina2(QFrame *pagina);
    void CreaPagina3(QFrame *pagina);
    void CreaPagina4(QFrame *pagina);
    void CreaPagina5(QFrame *pagina);
    void CreaPagina6(QFrame *pagina);
    void CreaPagina7(QFrame *pagina);
    void CreaOre(QWidget *pagina);
    void CreaPagina8(QFrame *pagina);
    void CreaPagina11(QFrame *pagina);
    void CreaStagesVisite(QGroupBox *riquadro, int primo, bool visite, int coppia);
    void CreaPagina12(QFrame *pagina);
    void CreaPagina13(QFrame *pagina);
    void CreaProfili(QFrame *pagina, int primoProfilo);
    // The editors' pages: their frames and, on page 14, the waiver.
    void CreaPagineEditori();

    // A box of the table, placed; returns it.
    QWidget *Casella(int indice, QWidget *padre, int left, int top, int width, int height);
    QWidget *CasellaSotto(int indice, const QString &etichetta, QWidget *padre, int left, int top, int width,
                          int height);
    // A frame with one box under the frame's own label (none when empty).
    void Descrizione(QWidget *pagina, const QString &titolo, const QString &etichetta, int righe, int indice, int top,
                     int height);
    // A pair of options that nothing stores.
    void Coppia(ControlArray<QRadioButton> &opzioni, QWidget *padre, int indice, const QString &prima,
                const QString &seconda, int left, int top, bool affiancate);

    Sezione3Form &form_;
    Impaginazione &impagina_;
};
