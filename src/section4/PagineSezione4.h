#pragma once

#include <QList>
#include <QString>

class EditableGrid;
class QFrame;
class QGroupBox;
class QLabel;
class QWidget;
struct Sezione4Controlli;
class TextBox;
struct GridColumn;

// Builds the twelve pages of section 4 into the window's controls, laid out
// in twips as the pages are designed: headings, frames, boxes with their
// labels, the fixed grids, the total boxes of the later grids and the places
// where those grids go, the foot labels and the page buttons. The pages are
// children of the window; `ui` receives the controls.
class PagineSezione4
{
public:
    PagineSezione4(Sezione4Controlli &ui, QWidget *finestra);

    // The page on which the foot label Label2(k) stands.
    static int PaginaDelPiede(int k);

private:
    void Pagina0(QFrame *pagina);
    void Pagina1(QFrame *pagina);
    void Pagina2(QFrame *pagina);
    void Pagina3(QFrame *pagina);
    void Pagina4(QFrame *pagina);
    void Pagina5(QFrame *pagina);
    void Pagina6(QFrame *pagina);
    void Pagina7(QFrame *pagina);
    void Pagina8(QFrame *pagina);
    void Pagina9(QFrame *pagina);
    void Pagina10(QFrame *pagina);
    void Pagina11(QFrame *pagina);
    void Piede(QFrame *pagina, int k);

    QGroupBox *Riquadro(QWidget *padre, const QString &titolo, int left, int top, int width, int height,
                        const QString &nome = {});
    QLabel *Etichetta(QWidget *padre, const QString &testo, int left, int top, int width, int height = 210);
    QLabel *Titolo(QWidget *padre, const QString &testo, int left, int top, int width, int height = 270);
    // An amount box: right-aligned; disabled when only the program writes it.
    TextBox *Importo(QWidget *padre, int left, int top, int width, bool scritto = true);
    TextBox *Casella(const QString &nome, QWidget *padre, int left, int top, int width, bool scritto);
    TextBox *CostoText1(int indice, QWidget *padre, int left, int top, int width = 1900);
    // A total box of a grid with "Totale" above it (or, with a leader, to its left).
    TextBox *TotaleSopra(const QString &nome, QWidget *padre, int left, int top, int etichetta = -1, int width = 2190);
    TextBox *TotaleAccanto(const QString &nome, QWidget *padre, int left, int top, int width = 2190);
    // Reserves the place of a grid built with the detail grids.
    void Posto(const QString &griglia, QWidget *riquadro, int left, int top, int width, int height);
    // A fixed grid as tall and wide as its rows and columns.
    EditableGrid *GrigliaFissa(const QString &nome, int righe, const QList<GridColumn> &colonne, QWidget *padre,
                               int left, int top);

    Sezione4Controlli &ui_;
};
