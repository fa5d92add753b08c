#include "TestSupport.h"

#include "Database.h"
#include "Dialogs.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "TraduzioniQt.h"
#include "Velkaro.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>

void RegistraSezioni();

namespace {
int connections = 0;
}

void InitTestProcess()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication::setFont(QFont("DejaVu Sans", 8));
    CaricaTraduzioniQt();  // Qt's own dialogs as the program shows them
    Dialogs::SetQueueMode(true);
    RegistraSezioni();  // the same windows as the program
}

TestEnvironment::TestEnvironment()
{
    QFile::copy(VELKARO_SHIPPED_DB, DatabasePath());
    QFile::setPermissions(DatabasePath(), QFile::ReadOwner | QFile::WriteOwner);
    ImpostaCartellaProgramma(Folder());
    ImpostaFileImpostazioni(SettingsPath());
    Dialogs::SetQueueMode(true);
    Dialogs::ClearQueue();
    Dialogs::ClearHistory();
    ChiudiDatabase();
    IdProgetto = 0;
    PercorsoDB = DatabasePath();
    PagineSezione2 = {};
    ModoStampa = false;
}

TestEnvironment::~TestEnvironment()
{
    if (main_) {
        main_->close();
        main_.reset();
    }
    Settle();
    ChiudiDatabase();
    IdProgetto = 0;
}

QString TestEnvironment::DatabasePath() const
{
    return dir_.filePath("Formulario.Mdb");
}

QString TestEnvironment::SettingsPath() const
{
    return dir_.filePath("velkaro.ini");
}

void TestEnvironment::OpenDatabase()
{
    PercorsoDB = DatabasePath();
    ApriDatabase();
}

qint64 TestEnvironment::OpenNewProject()
{
    OpenDatabase();
    IdProgetto = CreaProgetto();
    return IdProgetto;
}

QVariant TestEnvironment::Sql(const QString &query, const QVariantList &values) const
{
    return OtherConnection(DatabasePath()).Value(query, values);
}

void TestEnvironment::ExecSql(const QString &statement, const QVariantList &values) const
{
    Sql(statement, values);
}

Velkaro *TestEnvironment::MainWindow()
{
    if (!main_) {
        main_ = std::make_unique<Velkaro>();
        main_->show();
        QApplication::setActiveWindow(main_.get());
        Settle();
    }
    return main_.get();
}

void TypeInto(QWidget *box, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box)) {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
        return;
    }
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

void ClickItem(QListWidget *list, int index, bool twice)
{
    QListWidgetItem *item = list->item(index);
    if (!item || !list->isVisible())
        qFatal("item %d of %s cannot be clicked", index, qPrintable(list->objectName()));
    list->scrollToItem(item);
    const QPoint where = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    // A double click is a click, then the second press that makes it double.
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
    Settle();
}

void ChooseItem(QComboBox *combo, int index)
{
    // The arrow at the right end opens the list, also of an editable combo.
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView *view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, 2000))
        qFatal("the list of %s did not open", qPrintable(combo->objectName()));
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    // The item's row, inside the list as wide as it opened.
    const QPoint where(view->viewport()->width() / 2, view->visualRect(item).center().y());
    QTest::mouseMove(view->viewport(), where);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, where);
    if (!QTest::qWaitFor([view] { return !view->isVisible(); }, 2000))
        qFatal("the list of %s did not close", qPrintable(combo->objectName()));
    Settle();
}

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void WhenModal(const std::function<void(QDialog *)> &action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(dialog);
    });
    timer->start();
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString TestoPdf(const QString &pdf, const QString &modo)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {modo, pdf, "-"});
    if (!pdftotext.waitForFinished(180000))
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

OtherConnection::OtherConnection(const QString &path) : name_(QString("test-sql-%1").arg(++connections))
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name_);
    db.setDatabaseName(path);
    if (!db.open())
        qFatal("cannot open %s", qPrintable(path));
}

OtherConnection::~OtherConnection()
{
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
}

QList<QVariantList> OtherConnection::Rows(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("SQL failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

QVariant OtherConnection::Value(const QString &sql, const QVariantList &values) const
{
    return Rows(sql, values).value(0).value(0);
}
