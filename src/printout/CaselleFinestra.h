#pragma once

#include "Caselle.h"

#include <QPointer>
#include <QWidget>

// The boxes and lists of a window, found by their object names.
class CaselleFinestra : public Caselle
{
public:
    explicit CaselleFinestra(QWidget *finestra) : finestra_(finestra) {}

    QString Testo(const QString &casella) const override;
    QStringList Voci(const QString &lista) const override;

private:
    QPointer<QWidget> finestra_;
};
