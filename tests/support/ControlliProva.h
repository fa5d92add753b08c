#pragma once

// Boxes and controls of the section windows as tests reach them: by their
// array's name and index, their text, typing into them, moving the focus.
#include "TestSupport.h"

#include "MultiLineEdit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <initializer_list>

// The name of a control of an array: Nome("Text1", 3) is "Text1(3)".
inline QString Nome(const char *array, int index)
{
    return QString("%1(%2)").arg(array).arg(index);
}

// The text of a single- or multi-line box, or of a label.
inline QString Testo(QWidget *box)
{
    if (auto *riga = qobject_cast<QLineEdit *>(box))
        return riga->text();
    if (auto *etichetta = qobject_cast<QLabel *>(box))
        return etichetta->text();
    return qobject_cast<MultiLineEdit *>(box)->text();
}

// The texts of several boxes, in order: one comparison checks them all.
inline QStringList Testi(std::initializer_list<QWidget *> boxes)
{
    QStringList testi;
    for (QWidget *box : boxes)
        testi << Testo(box);
    return testi;
}

// Puts text into a box as the user would; a multi-line box gets it whole.
inline void Scrivi(QWidget *box, const QString &text)
{
    if (auto *righe = qobject_cast<MultiLineEdit *>(box))
        righe->setText(text);
    else
        TypeInto(box, text);
}

// Moves the focus from a box to another control, as a click there would.
inline void SpostaFuoco(QWidget *box, QWidget *verso)
{
    box->setFocus(Qt::MouseFocusReason);
    verso->setFocus(Qt::MouseFocusReason);
    Settle();
}

// A click as the user makes it: on the box of a check box or an option, in
// the middle of any other button.
inline void Clic(QAbstractButton *bottone)
{
    const bool casella = qobject_cast<QCheckBox *>(bottone) || qobject_cast<QRadioButton *>(bottone);
    QTest::mouseClick(bottone, Qt::LeftButton, {},
                      casella ? QPoint(7, bottone->height() / 2) : bottone->rect().center());
    Settle();
}
