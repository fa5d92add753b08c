#pragma once

#include <QSet>
#include <QStringList>
#include <QWidget>

class QMdiSubWindow;

// A child window of the main window with the four lifecycle hooks:
// Form_Load when created, Form_Activate whenever it becomes the active child
// (the first showing included), Form_Deactivate when another child becomes
// active, Form_Unload when it closes by any way. MdiLifecycle runs them.
class MdiChild : public QWidget
{
    Q_OBJECT
public:
    explicit MdiChild(QWidget *parent = nullptr);

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Unload() {}

    QMdiSubWindow *SubWindow() const;
    // Closes the window, running Form_Unload; false when it stays open
    // (it holds data that could not be stored and the user kept it).
    bool Unload();
    bool IsUnloading() const { return unloading_; }
    // True while the window is in the middle of a long piece of work that
    // must not be cut short: it cannot be closed then, by any way.
    virtual bool IsBusy() const { return false; }

    // Set while some part of what the window shows could not be stored: its
    // activation does not refill it, and closing it asks before losing it.
    // A window names its parts (its fields, a list member, an editor...) so
    // that storing one part does not clear another that is still unsaved.
    bool HoldsUnsaved() const { return !unsaved_.isEmpty(); }
    bool HoldsUnsaved(const QString &part) const { return unsaved_.contains(part); }
    void MarkUnsaved(const QStringList &parts);
    void ClearUnsaved(const QStringList &parts);

    // Set while some part of the window could not be filled from the
    // database: what it shows there is not what is stored, so no store
    // writes that part until a fill of it has succeeded, and closing the
    // window loses nothing of it. Its activation fills it again.
    bool HoldsUnfilled(const QString &part) const { return unfilled_.contains(part); }
    // True when any of these parts is not filled.
    bool HoldsUnfilled(const QStringList &parts) const;
    void MarkUnfilled(const QStringList &parts);
    void ClearUnfilled(const QStringList &parts);

private:
    friend class MdiSubWindow;
    bool unloading_ = false;
    QSet<QString> unsaved_;
    QSet<QString> unfilled_;
};
