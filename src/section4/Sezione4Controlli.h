#pragma once

#include "ControlArray.h"

#include <QFrame>
#include <QRect>
#include <QString>
#include <QToolButton>

#include <map>

class EditableGrid;
class ListBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class RichTextBox;
class TextBox;

// Where a cost grid of a later page goes: its frame and its rectangle in
// twips within that frame.
struct PostoGriglia
{
    QWidget *riquadro = nullptr;
    QRect twips;
};

// The controls of section 4's window, built by PagineSezione4 and, for the
// cost grids of pages 1 to 8 and the attachments of page 10, by
// GriglieDettaglio; the window holds them as `ui`.
struct Sezione4Controlli
{
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
};
