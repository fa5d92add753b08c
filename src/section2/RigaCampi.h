#pragma once

#include <QHBoxLayout>

class QLabel;

// A row of boxes on a record page, each with its label above it; the boxes
// share the row's width by their stretch factors.
class RigaCampi : public QHBoxLayout
{
public:
    RigaCampi();
    // Adds a box under its label and returns the label.
    QLabel *Aggiungi(const QString &etichetta, QWidget *casella, int fattore = 1);
};
