#pragma once

// Drives section 3's window in tests: its page arrows, its boxes, check
// boxes and options, and plain SQL on the project's rows.
#include "ControlliProva.h"
#include "TestSupport.h"

#include "Globali.h"
#include "PageFrames.h"
#include "Sezione3Form.h"
#include "Velkaro.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QGroupBox>

class PilotaSezione3
{
public:
    // A new project, and section 3 opened on it unless `apri` is false.
    explicit PilotaSezione3(TestEnvironment &env, bool apri = true) : env_(env)
    {
        id = env.OpenNewProject();
        if (apri)
            Apri();
    }
    void Apri()
    {
        form = qobject_cast<Sezione3Form *>(env_.MainWindow()->ApriFinestra("Sezione3Form"));
        Settle();
        QVERIFY(form);
    }
    // Closes the window (it stores itself) and opens it again, loaded anew.
    void Riapri()
    {
        env_.MainWindow()->ScaricaFinestra("Sezione3Form");
        Settle();
        Apri();
    }
    template <typename T = QWidget>
    T *W(const QString &name) const
    {
        return Find<T>(form, name);
    }
    template <typename T = QWidget>
    T *W(const char *array, int index) const
    {
        return Find<T>(form, Nome(array, index));
    }
    QWidget *Casella(int indice) const { return W("Text1", indice); }
    int Pagina() const { return PageFrames::VisibleIndex(form->Frame1); }
    // The captions of the frames of the page shown, top to bottom.
    QStringList Intestazioni() const
    {
        QStringList titoli;
        for (QGroupBox *riquadro : form->Frame1[Pagina()]->findChildren<QGroupBox *>())
            titoli.append(riquadro->title());
        return titoli;
    }

    // A click on a button, or on the box of a check box or option, as the
    // user makes it.
    static void Clicca(QAbstractButton *bottone)
    {
        const bool casella = qobject_cast<QCheckBox *>(bottone) || qobject_cast<QRadioButton *>(bottone);
        const QPoint dove = casella ? QPoint(7, bottone->height() / 2) : bottone->rect().center();
        QTest::mouseClick(bottone, Qt::LeftButton, {}, dove);
        Settle();
    }
    void Avanti() { Clicca(form->Command2[Pagina()]); }
    void Indietro() { Clicca(form->Command1[Pagina()]); }
    void VaiA(int pagina)
    {
        for (int i = 0; i < 17 && Pagina() < pagina; ++i)
            Avanti();
        for (int i = 0; i < 17 && Pagina() > pagina; ++i)
            Indietro();
        QCOMPARE(Pagina(), pagina);
    }
    // Types into a box of Text1 on its page; the page is reached first.
    void Digita(int indice, const QString &testo, int pagina)
    {
        VaiA(pagina);
        TypeInto(Casella(indice), testo);
    }

    QVariant Sql(const QString &query, const QVariantList &values = {}) const { return env_.Sql(query, values); }
    // A field of the project's row of a table.
    QVariant Campo(const QString &tabella, const QString &campo) const
    {
        return Sql(QString("select %1 from %2 where Id = ?").arg(campo, tabella), {id});
    }
    void Imposta(const QString &tabella, const QString &campo, const QVariant &valore) const
    {
        env_.ExecSql(QString("update %1 set %2 = ? where Id = ?").arg(tabella, campo), {valore, id});
    }
    // Column k of the project's Azioni row: the key of type k's cost record.
    QVariant Chiave(int tipo) const { return Campo("Azioni", QString("Azione%1").arg(tipo, 2, 10, QChar('0'))); }
    bool EsisteSpesa(const QVariant &chiave) const
    {
        return Sql("select count(*) from SpeseSez3 where IDSEZ3 = ?", {chiave}).toInt() == 1;
    }
    int Conta(const QString &tabella) const { return Sql(QString("select count(*) from %1").arg(tabella)).toInt(); }

    // Another window becomes active (section 3 stores itself); Torna makes
    // section 3 active again (it refills itself).
    void Lascia(const QString &finestra = "IntroduzioneForm")
    {
        env_.MainWindow()->ApriFinestra(finestra);
        Settle();
    }
    void Torna() { Lascia("Sezione3Form"); }
    void Altrove()
    {
        Lascia();
        Torna();
    }
    QString FinestraAttiva() const { return env_.MainWindow()->FinestraAttiva()->objectName(); }

    qint64 id = 0;
    Sezione3Form *form = nullptr;

private:
    TestEnvironment &env_;
};
