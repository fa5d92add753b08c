#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class ComboBox;
class OptionGroup;
class QCheckBox;
class QWidget;
class Recordset;

// The pairs of fields and controls of a project's two rows, in the order in
// which they are stored and filled. Each pair keeps its reading kind (those
// of ValoreValido: 0 text, 1 whole number, 2 date):
//  - a box (single- or multi-line) stores its text through its kind and
//    shows its field through the same kind, whole even when it is longer
//    than what may be typed into the box (so that showing it again does
//    not cut what is stored);
//  - a check box stores True exactly when checked;
//  - an option group stores the index of its selected option (nothing when
//    none is selected) and selects the option of the stored index;
//  - a row of check boxes stores bit i for box i;
//  - a year list stores its selected item's text (nothing when none is
//    selected) and selects the item of the stored text, or none.
// Filling sets each control as a user would, so their handlers run.
class LegameCampi
{
public:
    enum Tabella { Principale, Secondario };

    void Casella(Tabella tabella, const QString &campo, int tipo, QWidget *casella);
    void Spunta(Tabella tabella, const QString &campo, QCheckBox *spunta);
    void Opzioni(Tabella tabella, const QString &campo, OptionGroup *gruppo);
    void Maschera(Tabella tabella, const QString &campo, std::vector<QCheckBox *> spunte);
    void Elenco(Tabella tabella, const QString &campo, ComboBox *elenco);

    // Assigns every field of the two rows, which must be in edit mode.
    void Registra(Recordset &principale, Recordset &secondario) const;
    // Sets every control from the current rows.
    void Riempi(const Recordset &principale, const Recordset &secondario) const;

private:
    struct Legame
    {
        enum Genere { Testo, Booleano, Indice, Bit, Anno } genere;
        Tabella tabella;
        QString campo;
        int tipo = 0;
        std::vector<QWidget *> controlli;
        OptionGroup *gruppo = nullptr;
        int limite = 0;  // a box's own maximum length; 0: none at all
    };

    static void MostraTesto(const Legame &legame, const QString &testo);

    std::vector<Legame> legami_;
};
