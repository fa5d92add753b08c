// A module with 1,000 equipment rows in section 3's grid:
//  - store: "Registra Modulo" (the grid's rows deleted and inserted again,
//    the module's fields, the list reloaded);
//  - reload: choosing the module (its fields and its 1,000 rows into the grid);
// each beside the same reads and writes done with plain QSqlQuery in the same
// run. Run by hand (offscreen): bench_attrezzature
// The ratios are printed at the end.

#include "Misure.h"

#include "Dialogs.h"
#include "EditableGrid.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "ListBox.h"
#include "Sezione3Form.h"
#include "Velkaro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int kRighe = 1000;

void Attendi()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

}  // namespace

class BenchAttrezzature : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;
    qint64 modulo_ = 0;
    QMap<QString, double> ms_;
    std::unique_ptr<Velkaro> principale_;
    Sezione3Form *form_ = nullptr;

    ListBox *Moduli() const { return form_->findChild<ListBox *>("List1"); }
    EditableGrid *Griglia() const { return form_->findChild<EditableGrid *>("VSFlexGrid1"); }

    // The grid of the chosen module filled with its 1,000 rows.
    void Riempi()
    {
        EditableGrid *griglia = Griglia();
        griglia->SetRows(kRighe + 2);
        for (int r = 1; r <= kRighe; ++r) {
            griglia->SetTextMatrix(r, 0, QString("Attrezzatura di laboratorio numero %1").arg(r));
            griglia->SetTextMatrix(r, 1, QString::number(r % 7 + 1));
            griglia->SetTextMatrix(r, 2, QString::number(r % 40));
            griglia->SetTextMatrix(r, 3, r % 2 ? "Noleggio" : "Acquisto");
        }
    }

    // Plain SQL: the module's store.
    void RegistraPlain(QSqlDatabase db)
    {
        db.transaction();
        QSqlQuery query(db);
        query.prepare("DELETE FROM AttrezzatureModuli WHERE IDModulo = ?");
        query.addBindValue(modulo_);
        query.exec();
        query.prepare("INSERT INTO AttrezzatureModuli (IDModulo, Attrezzature, Quantita, Tempo, Titolo) "
                      "VALUES (?, ?, ?, ?, ?)");
        for (int r = 1; r <= kRighe; ++r) {
            query.addBindValue(modulo_);
            query.addBindValue(QString("Attrezzatura di laboratorio numero %1").arg(r));
            query.addBindValue(r % 7 + 1);
            query.addBindValue(r % 40);
            query.addBindValue(r % 2 ? "Noleggio" : "Acquisto");
            query.exec();
        }
        query.prepare("UPDATE ProgrammaDidattico SET Titolo = ?, Teoria = ?, Stage = ?, Visite = ?, "
                      "Esercitazioni = ?, Project = ?, Obiettivi = ?, Docenti = ?, Locali = ?, Materiali = ?, "
                      "DurataComplessiva = ? WHERE IDModulo = ?");
        for (const QVariant &valore : QVariantList{"Laboratorio", 10, 20, 5, 5, 0, "", "", "", "", 40, modulo_})
            query.addBindValue(valore);
        query.exec();
        db.commit();
        LeggiModuli(db);
    }

    // Plain SQL: the list of the project's modules.
    void LeggiModuli(QSqlDatabase db)
    {
        QSqlQuery query(db);
        query.prepare("SELECT * FROM ProgrammaDidattico WHERE ID = ?");
        query.addBindValue(IdProgetto);
        query.exec();
        while (query.next())
            query.value(0);
    }

    // Plain SQL: the module's fields and its rows.
    void CaricaPlain(QSqlDatabase db)
    {
        QSqlQuery query(db);
        query.prepare("SELECT * FROM ProgrammaDidattico WHERE IDModulo = ?");
        query.addBindValue(modulo_);
        query.exec();
        query.next();
        for (int i = 0; i < 13; ++i)
            query.value(i);
        query.prepare("SELECT * FROM AttrezzatureModuli WHERE IDmodulo = ?");
        query.addBindValue(modulo_);
        query.exec();
        while (query.next())
            for (int i = 1; i <= 4; ++i)
                query.value(i).toString();
    }

private slots:
    void initTestCase()
    {
        QApplication::setFont(QFont("DejaVu Sans", 8));
        path_ = PreparaCartella(dir_);
        Velkaro::RegistraFinestra("Sezione3Form", [] { return new Sezione3Form; });
        PercorsoDB = path_;
        ApriDatabase();
        IdProgetto = CreaProgetto();
        principale_ = std::make_unique<Velkaro>();
        principale_->show();
        form_ = qobject_cast<Sezione3Form *>(principale_->ApriFinestra("Sezione3Form"));
        Attendi();
        QVERIFY(form_);
        form_->CaricaModuli();
        form_->findChild<QLineEdit *>("Text5")->setText("Laboratorio");
        form_->findChild<QAbstractButton *>("Command6")->click();
        QCOMPARE(Moduli()->ListCount(), 1);
        modulo_ = Moduli()->ItemData(0);
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    void program()
    {
        QAbstractButton *registra = form_->findChild<QAbstractButton *>("Command7");
        // Each round: the grid filled outside the timing, stored, chosen again.
        const int giri = 10;
        qint64 registra_ns = 0, carica_ns = 0;
        for (int i = 0; i < giri; ++i) {
            Moduli()->SetListIndex(0);
            Riempi();
            QElapsedTimer timer;
            timer.start();
            registra->click();
            registra_ns += timer.nsecsElapsed();
            timer.restart();
            Moduli()->SetListIndex(0);
            carica_ns += timer.nsecsElapsed();
            QCOMPARE(Griglia()->Rows(), kRighe + 2);
        }
        ms_["store/program"] = double(registra_ns) / 1e6 / giri;
        ms_["load/program"] = double(carica_ns) / 1e6 / giri;
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    void plain()
    {
        QSqlDatabase db = ConnessionePlain(path_);
        const int giri = 10;
        qint64 registra_ns = 0, carica_ns = 0;
        for (int i = 0; i < giri; ++i) {
            QElapsedTimer timer;
            timer.start();
            RegistraPlain(db);
            registra_ns += timer.nsecsElapsed();
            timer.restart();
            CaricaPlain(db);
            carica_ns += timer.nsecsElapsed();
        }
        ms_["store/plain"] = double(registra_ns) / 1e6 / giri;
        ms_["load/plain"] = double(carica_ns) / 1e6 / giri;
    }

    void cleanupTestCase()
    {
        StampaRapporto("work (1,000 equipment rows)",
                       {{"store the module (Registra Modulo)", ms_["store/program"], ms_["store/plain"]},
                        {"reload the module (choose it)", ms_["load/program"], ms_["load/plain"]}});
        principale_->close();
        principale_.reset();
        Attendi();
        ChiudiDatabase();
        QSqlDatabase::removeDatabase("plain");
    }
};

QTEST_MAIN(BenchAttrezzature)
#include "bench_attrezzature.moc"
