#pragma once

#include <QMdiSubWindow>

class MdiChild;

// The frame of one child window; closing it by any way runs the child's
// Form_Unload first, then destroys the child.
class MdiSubWindow : public QMdiSubWindow
{
    Q_OBJECT
public:
    explicit MdiSubWindow(MdiChild *child, QWidget *parent = nullptr);
    ~MdiSubWindow() override;
    MdiChild *Child() const { return child_; }
    // Frames closed and not yet destroyed.
    static int Closing() { return closing_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    MdiChild *child_;
    bool closed_ = false;
    static inline int closing_ = 0;
};
