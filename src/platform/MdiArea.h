#pragma once

#include <QMdiArea>

// The main window's area of child windows. Ctrl+Tab and Ctrl+Shift+Tab go
// from child to child, except in an editable grid, where they take the focus
// out of the grid to the next or previous control of the page, as Tab does
// in other controls.
class MdiArea : public QMdiArea
{
    Q_OBJECT
public:
    explicit MdiArea(QWidget *parent = nullptr);

    bool eventFilter(QObject *object, QEvent *event) override;
};
