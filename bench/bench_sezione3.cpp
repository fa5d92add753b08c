// The hand-over between section 3 and section 1, each way, on a project
// whose section 3 has every page filled and a long text in every multi-line
// box:
//  - 3 -> 1: section 3's deactivation store (the whole window) and section
//    1's activation fill;
//  - 1 -> 3: section 1's deactivation store and section 3's activation fill;
// each beside the same reads and writes done with plain QSqlQuery in the
// same run. Run by hand (offscreen): bench_sezione3 [-iterations N]
// The ratios are printed at the end.

#include "Database.h"
#include "Dialogs.h"
#include "FieldBinding.h"
#include "Globali.h"
#include "Impostazioni.h"
#include "Misure.h"
#include "MultiLineEdit.h"
#include "Sezione1Form.h"
#include "Sezione3Form.h"
#include "Velkaro.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

constexpr int kLungo = 4000;  // characters of each long text

QString TestoLungo(int seme)
{
    QString testo;
    while (testo.size() < kLungo)
        testo += QString("Frase %1 di una descrizione lunga del progetto, ripetuta fino in fondo. ").arg(seme);
    return testo.left(kLungo);
}

void Attendi()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The columns of a table from one column on, as the schema declares them.
QStringList Colonne(QSqlDatabase db, const QString &tabella, const QString &primo)
{
    QStringList colonne;
    bool dentro = false;
    const QSqlRecord record = db.record(tabella);
    for (int i = 0; i < record.count(); ++i) {
        dentro = dentro || record.fieldName(i).compare(primo, Qt::CaseInsensitive) == 0;
        if (dentro)
            colonne.append(record.fieldName(i));
    }
    return colonne;
}

}  // namespace

class BenchSezione3 : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;
    qint64 id_ = 0;
    QMap<QString, double> ms_;
    std::unique_ptr<Velkaro> principale_;

    QSqlDatabase Plain()
    {
        QSqlDatabase db = QSqlDatabase::database("plain", false);
        if (!db.isValid()) {
            db = QSqlDatabase::addDatabase("QSQLITE", "plain");
            db.setDatabaseName(path_);
        }
        if (!db.isOpen())
            db.open();
        return db;
    }

    // Times each of `giri` runs of one step, and keeps the mean.
    void Measure(const QString &name, int giri, const std::function<void()> &prima, const std::function<void()> &passo)
    {
        qint64 totale = 0;
        for (int i = 0; i < giri; ++i) {
            prima();
            QElapsedTimer timer;
            timer.start();
            passo();
            totale += timer.nsecsElapsed();
        }
        ms_[name] = double(totale) / 1e6 / giri;
    }

    // Every box of section 3 filled: long texts, limited texts, figures,
    // and every check box of its pages ticked.
    void Riempi(Sezione3Form &form)
    {
        for (const auto &[indice, casella] : form.Text1) {
            auto *righe = qobject_cast<MultiLineEdit *>(casella);
            auto *riga = qobject_cast<QLineEdit *>(casella);
            if (righe && righe->Limit() == 0)
                righe->setText(TestoLungo(indice));
            else if (righe)
                righe->setText(QString("Sede %1").arg(indice));
            else if (riga && riga->alignment() & Qt::AlignRight)
                riga->setText(QString::number(indice * 10));
            else if (riga)
                riga->setText(QString("Testo %1").arg(indice));
        }
        for (auto *array : {&form.Check1, &form.Check2, &form.Check3, &form.Check4})
            for (const auto &[indice, casella] : *array)
                casella->setChecked(indice % 2 == 0);
        form.Option4.Select(2);
    }

    // Plain SQL: the section 3 store, whole.
    void RegistraSezione3(QSqlDatabase db)
    {
        const auto aggiorna = [&](const QString &tabella, const QStringList &colonne, const QString &chiave) {
            QStringList assegna;
            for (const QString &c : colonne)
                assegna.append(c + " = ?");
            QSqlQuery query(db);
            query.prepare(QString("UPDATE %1 SET %2 WHERE %3 = ?").arg(tabella, assegna.join(", "), chiave));
            const QSqlRecord tipi = db.record(tabella);
            for (const QString &c : colonne) {
                const QMetaType::Type tipo = QMetaType::Type(tipi.field(c).metaType().id());
                if (tipo == QMetaType::QString)
                    query.addBindValue(TestoLungo(int(c.size())));
                else
                    query.addBindValue(qint64(c.size()));
            }
            query.addBindValue(id_);
            query.exec();
        };
        db.transaction();
        Leggi(db, {"Principale", "Secondario"});
        aggiorna("Principale", Colonne(db, "Principale", "AnalisiContesto"), "Id");
        aggiorna("Secondario",
                 Colonne(db, "Secondario", "OrePrevPratica")
                     + QStringList{"OreTeoria", "OrePratica", "Allievi", "Allieve"},
                 "Id");
        Leggi(db, {"DestinatariIntervento"});
        aggiorna("DestinatariIntervento", Colonne(db, "DestinatariIntervento", "Destinatario01"), "Id");
        Leggi(db, {"Azioni"});
        db.commit();
    }

    // Plain SQL: section 1's store.
    void RegistraSezione1(QSqlDatabase db)
    {
        db.transaction();
        for (const char *tabella : {"Principale", "Secondario"}) {
            QSqlQuery query(db);
            query.prepare(QString("SELECT * FROM %1 WHERE Id = ?").arg(tabella));
            query.addBindValue(id_);
            query.exec();
            query.next();
        }
        QSqlQuery query(db);
        query.prepare("UPDATE Principale SET CodiceEnte = ?, Oggetto = ?, UltimaModifica = ?, Priorita = ?, "
                      "OperatoreDP = ?, OperatoreDPrivato = ?, FiniLucro = ?, NofiniLucro = ?, Cofinanziamento = ?, "
                      "AttivitaFormativa = ?, RagioneSociale = ?, Natura = ?, PIVA = ?, CF = ?, Indirizzo = ?, "
                      "Cap = ?, Comune = ?, Provincia = ?, Telefono = ?, Fax = ?, Asse = ?, Misura = ?, "
                      "UsufruitoKVR = ? WHERE Id = ?");
        for (int i = 0; i < 23; ++i)
            query.addBindValue(QString("Valore %1").arg(i));
        query.addBindValue(id_);
        query.exec();
        query.prepare("UPDATE Secondario SET OreTeoria = ?, OrePratica = ?, Allievi = ?, Allieve = ?, "
                      "CostoProgetto = ? WHERE Id = ?");
        for (int i = 0; i < 5; ++i)
            query.addBindValue(i * 100);
        query.addBindValue(id_);
        query.exec();
        db.commit();
    }

    // Plain SQL: the reads of one section's fill.
    void Leggi(QSqlDatabase db, const QStringList &tabelle)
    {
        for (const QString &tabella : tabelle) {
            QSqlQuery query(db);
            query.prepare(QString("SELECT * FROM %1 WHERE Id = ?").arg(tabella));
            query.addBindValue(id_);
            query.exec();
            query.next();
            for (int i = 0; i < query.record().count(); ++i)
                query.value(i);
        }
    }

private slots:
    void initTestCase()
    {
        QApplication::setFont(QFont("DejaVu Sans", 8));
        path_ = PreparaCartella(dir_);
        Velkaro::RegistraFinestra("Sezione1Form", [] { return new Sezione1Form; });
        Velkaro::RegistraFinestra("Sezione3Form", [] { return new Sezione3Form; });
        PercorsoDB = path_;
        ApriDatabase();
        id_ = IdProgetto = CreaProgetto();
        principale_ = std::make_unique<Velkaro>();
        principale_->show();
        QApplication::setActiveWindow(principale_.get());
        auto *sezione3 = qobject_cast<Sezione3Form *>(principale_->ApriFinestra("Sezione3Form"));
        Attendi();
        Riempi(*sezione3);
        principale_->ApriFinestra("Sezione1Form");
        Attendi();
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    void handOverProgram()
    {
        const int giri = 30;
        Measure(
            "3to1/program", giri, [&] { principale_->ApriFinestra("Sezione3Form"); },
            [&] { principale_->ApriFinestra("Sezione1Form"); });
        Measure(
            "1to3/program", giri, [&] { principale_->ApriFinestra("Sezione1Form"); },
            [&] { principale_->ApriFinestra("Sezione3Form"); });
        QCOMPARE(Dialogs::Messages(), QStringList());
    }

    void handOverPlain()
    {
        QSqlDatabase db = Plain();
        const int giri = 30;
        Measure(
            "3to1/plain", giri, [] {},
            [&] {
                RegistraSezione3(db);
                Leggi(db, {"Principale", "Secondario", "DestinatariIntervento"});
            });
        Measure(
            "1to3/plain", giri, [] {},
            [&] {
                RegistraSezione1(db);
                Leggi(db, {"Principale", "Secondario", "Azioni", "DestinatariIntervento"});
            });
    }

    void cleanupTestCase()
    {
        StampaRapporto("work", {{"section 3 -> section 1", ms_["3to1/program"], ms_["3to1/plain"]},
                                {"section 1 -> section 3", ms_["1to3/program"], ms_["1to3/plain"]}});
        principale_->close();
        principale_.reset();
        Attendi();
        ChiudiDatabase();
        QSqlDatabase::removeDatabase("plain");
    }
};

QTEST_MAIN(BenchSezione3)
#include "bench_sezione3.moc"
