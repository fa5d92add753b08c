#include "OptionGroup.h"

OptionGroup::OptionGroup(const QString &name, QObject *parent) : QObject(parent), buttons_(name) {}

QRadioButton *OptionGroup::Create(int index, const QString &caption, QWidget *parent)
{
    QRadioButton *button = buttons_.Create(index, parent, caption);
    button->setAutoExclusive(false);
    connect(button, &QRadioButton::toggled, this, [this, button](bool on) { OnToggled(button, on); });
    // A click on the selected option keeps it selected, as option buttons do.
    connect(button, &QRadioButton::clicked, this, [button](bool on) {
        if (!on)
            button->setChecked(true);
    });
    return button;
}

int OptionGroup::Selected() const
{
    for (const auto &[index, button] : buttons_)
        if (button->isChecked())
            return index;
    return -1;
}

void OptionGroup::Select(int index)
{
    QRadioButton *button = buttons_[index];
    if (!button) {
        ClearAll();
        return;
    }
    // Choosing the selected option again still runs the click logic, as
    // choosing it with the mouse does.
    if (button->isChecked())
        emit Click(index);
    else
        button->setChecked(true);
}

void OptionGroup::ClearAll()
{
    updating_ = true;
    for (const auto &[index, button] : buttons_)
        button->setChecked(false);
    updating_ = false;
}

void OptionGroup::OnToggled(QRadioButton *button, bool on)
{
    if (!on || updating_)
        return;
    updating_ = true;
    for (const auto &[index, other] : buttons_)
        if (other != button)
            other->setChecked(false);
    updating_ = false;
    emit Click(buttons_.IndexOf(button));
}
