#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>

#include <functional>
#include <memory>

class QWidget;
class Velkaro;

// The environment of one test: a fresh copy of the shipped empty database in
// a temporary folder, a temporary settings file pointing at it, Italian
// regional settings and the dialog service answering from its queue.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString Folder() const { return dir_.path(); }
    QString DatabasePath() const;  // the copy of the shipped database
    QString SettingsPath() const;  // the settings file of this test

    // Opens the copy as the program's database (as the archive would).
    void OpenDatabase();
    // Opens the database, creates a project and makes it current.
    qint64 OpenNewProject();

    // Plain SQL on a connection of its own, to check what the program stored.
    QVariant Sql(const QString &query, const QVariantList &values = {}) const;
    void ExecSql(const QString &statement, const QVariantList &values = {}) const;

    // A main window with every registered section window, shown.
    Velkaro *MainWindow();

private:
    QTemporaryDir dir_;
    std::unique_ptr<Velkaro> main_;
};

// Once per test executable: offscreen-safe font, Italian regional settings,
// Qt's own dialogs in Italian, section windows registered, dialogs answered
// from the queue.
void InitTestProcess();

// Finds a named child widget or fails the test.
template <typename T>
T *Find(QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}

// Replaces a line edit's text as a user would: select all, type.
void TypeInto(QWidget *box, const QString &text);
// Lets queued events (deferred deletes, activations) run.
void Settle();

class QComboBox;
class QListWidget;
// Clicks a list's item on its rectangle, as a user would (twice: a double click).
void ClickItem(QListWidget *list, int index, bool twice = false);
// Opens a combo box's list with the mouse and clicks the item on its rectangle.
void ChooseItem(QComboBox *combo, int index);

class QDialog;
// Runs `action` on the next modal dialog as soon as it shows (for example the
// archive dialog, which the menus show modally and wait for).
void WhenModal(const std::function<void(QDialog *)> &action);

// A file's bytes (empty when it cannot be read), and a file written whole.
QByteArray ReadBytes(const QString &path);
void WriteBytes(const QString &path, const QByteArray &bytes);

// The text of a PDF file through poppler's pdftotext, laid out as printed
// ("-layout"), in the order it was drawn ("-raw") or as words with their
// boxes ("-bbox").
QString TestoPdf(const QString &pdf, const QString &modo = "-layout");

// A connection of its own on a database file, as another program would hold
// it: statements run in order, so a transaction it begins (and the lock it
// takes) lasts until it ends it or the connection goes. A failing statement
// fails the test.
class OtherConnection
{
public:
    explicit OtherConnection(const QString &path);
    ~OtherConnection();
    OtherConnection(const OtherConnection &) = delete;
    OtherConnection &operator=(const OtherConnection &) = delete;

    // Every row of the statement's result, each as its values in order.
    QList<QVariantList> Rows(const QString &sql, const QVariantList &values = {}) const;
    // The first value of the first row, or a null value.
    QVariant Value(const QString &sql, const QVariantList &values = {}) const;

private:
    QString name_;
};
