#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class MdiChild;
class QMdiArea;
class QMdiSubWindow;

// Opens child windows in an MDI area and runs their hooks in the order the
// forms rely on: when child B becomes active after child A, A's
// Form_Deactivate runs before B's Form_Activate, so B refills from what A has
// just stored. Only a real change of the active child to another window
// counts: message boxes and dialogs taking the focus trigger neither hook,
// and the hooks are never re-entered. A window opened from inside a hook is
// loaded at once and brought to the front as soon as the hook has finished.
// A child that becomes active with the focus on none of the controls of its
// page gives it to the page's first control.
class MdiLifecycle : public QObject
{
    Q_OBJECT
public:
    explicit MdiLifecycle(QMdiArea *area);

    // The open child with this object name, or nullptr.
    MdiChild *Find(const QString &name) const;
    // Loads the window when it is not open (creating it with the factory and
    // running Form_Load), shows it and brings it to the front.
    MdiChild *Open(const QString &name, const std::function<MdiChild *()> &factory);
    // Loads without bringing to the front (the window shows itself if its
    // Form_Load asks to). Returns the open or new child.
    MdiChild *Load(const QString &name, const std::function<MdiChild *()> &factory);
    // Closes the named child if it is open (it runs Form_Unload); false when
    // it stays open.
    bool Unload(const QString &name);
    MdiChild *ActiveChild() const;
    QMdiArea *Area() const { return area_; }

private:
    void OnActivated(QMdiSubWindow *window);
    // Runs the hooks until the active child is the pending one.
    void Process();
    void Show(MdiChild *child);

    QMdiArea *area_;
    QPointer<MdiChild> active_;
    QPointer<MdiChild> pending_;
    bool busy_ = false;
};
