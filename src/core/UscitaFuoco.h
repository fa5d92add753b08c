#pragma once

#include <QObject>

class QWidget;

// Tells when the focus leaves one of the watched boxes for another control
// of the window, whether or not the box's text changed. A message box, a
// popup or another window taking the focus is not a leaving: the box keeps
// its focus within the window and is left later.
class UscitaFuoco : public QObject
{
    Q_OBJECT
public:
    explicit UscitaFuoco(QObject *parent = nullptr);
    void Sorveglia(QWidget *casella);

signals:
    void Uscita(QWidget *casella);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
