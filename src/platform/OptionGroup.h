#pragma once

#include "ControlArray.h"

#include <QRadioButton>

// A group of option buttons that may show none selected. The buttons are not
// auto-exclusive: selecting one from code or by the user clears the others.
class OptionGroup : public QObject
{
    Q_OBJECT
public:
    explicit OptionGroup(const QString &name, QObject *parent = nullptr);

    QRadioButton *Create(int index, const QString &caption, QWidget *parent);
    QRadioButton *operator[](int index) const { return buttons_[index]; }
    const ControlArray<QRadioButton> &Buttons() const { return buttons_; }

    // Index of the first selected option, -1 when none.
    int Selected() const;
    // Selects the option of this index and runs the click handler, also
    // when it was already selected; any other index leaves none selected.
    void Select(int index);
    void ClearAll();

signals:
    // An option became selected, by the user or from code.
    void Click(int index);

private:
    void OnToggled(QRadioButton *button, bool on);

    ControlArray<QRadioButton> buttons_;
    bool updating_ = false;
};
