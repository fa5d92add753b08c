#pragma once

#include "ControlArray.h"

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <span>
#include <vector>

class ComboBox;
class OptionGroup;
class QAbstractButton;
class QWidget;
class Recordset;

// A window's controls bound to the fields of the rows they show, declared
// once, in the order in which they are stored and filled. Each entry names
// the row it belongs to: 0 for the first row passed to Store and Fill, 1 for
// the second, and so on.
//  - A box (a TextBox or a MultiLineEdit) stores its text through the value
//    rule of its kind and shows its field through the same rule; a stored
//    value longer than the box's limit is shown whole, so storing it again
//    leaves it as it was; whole numbers stay exact in 64 bits.
//  - A check box, or one option button, stores True exactly when checked.
//  - An option group stores the index of its selected option (nothing when
//    none is selected) and selects the option of the stored index (none for
//    an index that no option has).
//  - A row of check boxes stores bit i for box i.
//  - A list stores its selected item's text (nothing when none is selected)
//    and selects the item of the stored text, or none.
// Filling sets each control as a user would, so its handlers run.
class FieldBinding
{
public:
    enum Kind { Text = 0, Number = 1, Date = 2, ExactNumber = 3 };

    void Box(QWidget *box, const QString &field, Kind kind = Text, int row = 0);
    void Check(QAbstractButton *button, const QString &field, int row = 0);
    void Options(OptionGroup *group, const QString &field, int row = 0);
    void Mask(std::vector<QAbstractButton *> buttons, const QString &field, int row = 0);
    void Item(ComboBox *list, const QString &field, int row = 0);

    // One box of a window's table of boxes: its index in its control array,
    // its field (none: the box is made but bound by its window's own code),
    // the kind of its value, the most characters it takes (0: any), its
    // shape, its alignment (none: a TextBox's own) and its row.
    struct BoxDef
    {
        int index;
        const char *field;
        Kind kind = Text;
        int limit = 0;
        bool multiLine = false;
        Qt::Alignment alignment = {};
        int row = 0;
    };
    using BoxTable = std::span<const BoxDef>;

    // Binds a box as its entry says.
    void Box(QWidget *box, const BoxDef &def);
    // Binds the boxes of the entries, in their order, found in the array.
    template <typename T>
    void Boxes(BoxTable defs, const ControlArray<T> &boxes)
    {
        for (const BoxDef &def : defs)
            Box(boxes[def.index], def);
    }
    // Makes the boxes of the entries on the parent, in their order, adds each
    // to the array under its index and binds it.
    void NewBoxes(BoxTable defs, QWidget *parent, ControlArray<QWidget> &boxes);

    // Assigns every field of the rows, which must be in edit or add mode.
    void Store(std::initializer_list<Recordset *> rows) const;
    void Store(Recordset &row) const { Store({&row}); }
    // Sets every control from the current rows.
    void Fill(std::initializer_list<const Recordset *> rows) const;
    void Fill(const Recordset &row) const { Fill({&row}); }
    // For fields that another window edits too, and that this one must
    // write only when its user changed them: Remember takes each box's text
    // as it stands (after the window's fill), and StoreChanged assigns only
    // the fields of the boxes whose text differs from it.
    void Remember();
    void StoreChanged(std::initializer_list<Recordset *> rows) const;
    // Empties the boxes and clears the check boxes, options and lists.
    void Clear() const;
    void Enable(bool enabled) const;

    // The value a box's text is stored as, by kind: Text the text as typed;
    // Number a 64-bit whole number (0 for what is not a number or is too
    // large to hold); ExactNumber the same, but a figure too large to hold
    // fails the store (a DbError naming it) instead of storing 0; Date a
    // date (1 January 1900 for what is not one).
    static QVariant StoredValue(const QString &text, Kind kind);
    // The text a box shows for a stored value, by kind.
    static QString ShownText(const QVariant &value, Kind kind);
    // A box's text, and a value shown in a box whole.
    static QString BoxText(const QWidget *box);
    static void ShowText(QWidget *box, const QString &text);
    // A new box: a TextBox, or a MultiLineEdit for the long texts. A limit
    // of 0 leaves it unlimited; an empty alignment leaves a TextBox's own.
    static QWidget *NewBox(QWidget *parent, int limit, bool multiLine, Qt::Alignment alignment = {});
    // A new box as its entry says, not bound.
    static QWidget *NewBox(QWidget *parent, const BoxDef &def);
    // The entry of the box of this index.
    static const BoxDef &Find(BoxTable defs, int index);

private:
    struct Entry
    {
        enum Shape { Box, Check, Index, Bits, Item } shape;
        QString field;
        Kind kind = Text;
        int row = 0;
        std::vector<QWidget *> controls;
        OptionGroup *group = nullptr;
        QString remembered = {};  // a box's text when Remember last ran
    };

    std::vector<Entry> entries_;
};
