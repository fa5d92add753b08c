#pragma once

// Drives section 2's window in tests: its page arrows, its boxes, and plain
// SQL on the current project's rows.
#include "ControlliProva.h"
#include "TestSupport.h"

#include "ListBox.h"
#include "PageFrames.h"
#include "Sezione2Form.h"
#include "Velkaro.h"

#include <QAbstractButton>
#include <QLineEdit>

class PilotaSezione2
{
public:
    // A new project of the given activity type (none: never stored), and
    // section 2 opened on it unless `apri` is false.
    explicit PilotaSezione2(TestEnvironment &env, QVariant tipo = {}, bool apri = true) : env_(env)
    {
        id = env.OpenNewProject();
        if (tipo.isValid())
            env.ExecSql("update Principale set AttivitaFormativa = ? where Id = ?", {tipo, id});
        if (apri)
            Apri();
    }
    void Apri()
    {
        form = qobject_cast<Sezione2Form *>(env_.MainWindow()->ApriFinestra("Sezione2Form"));
        Settle();
        QVERIFY(form);
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
    int Pagina() const { return PageFrames::VisibleIndex(form->Frame2); }
    void Premi(QAbstractButton *bottone)
    {
        bottone->click();
        Settle();
    }
    void Clicca(const QString &bottone) { Premi(W<QAbstractButton>(bottone)); }
    void Avanti() { Premi(form->Command1[Pagina()]); }
    void Indietro() { Premi(form->Command2[Pagina()]); }
    // Chooses an item of a list as the user would: a click on its rectangle.
    void Scegli(ListBox *lista, int indice)
    {
        ClickItem(lista, indice);
        QCOMPARE(lista->ListIndex(), indice);
    }
    void Scegli(ListBox *lista, const QString &voce) { Scegli(lista, lista->FindExact(voce)); }
    void VaiA(int frame)
    {
        for (int i = 0; i < 6 && Pagina() != frame; ++i)
            Avanti();
        QCOMPARE(Pagina(), frame);
    }
    // Clicks next with the mouse until the walk ends; the page frames shown
    // on the way.
    QList<int> Cammino()
    {
        QList<int> pagine{Pagina()};
        for (int i = 0; i < 12; ++i) {
            const int prima = form->PaginaCorrente;
            Clic(form->Command1[Pagina()]);
            if (form->PaginaCorrente == prima)
                break;
            pagine.append(Pagina());
        }
        return pagine;
    }
    // Clicks an add button, types the new name into the box it shows and
    // moves the focus back to the button.
    void Aggiungi(const QString &bottone, const QString &casella, const QString &nome)
    {
        Clicca(bottone);
        TypeInto(W(casella), nome);
        SpostaFuoco(W(casella), W(bottone));
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
    // A field of the partner row of the given name.
    QVariant DiNome(const QString &tabella, const QString &nome, const QString &campo) const
    {
        return Sql(QString("select %1 from %2 where Denominazione = ?").arg(campo, tabella), {nome});
    }
    // Fields of the project's row of a table, their texts joined by "|" (a
    // Null as the empty text).
    QString Campi(const QString &tabella, const QStringList &campi) const
    {
        QStringList testi;
        for (const QString &campo : campi)
            testi << QString("coalesce(%1, '')").arg(campo);
        return Sql(QString("select %1 from %2 where Id = ?").arg(testi.join(" || '|' || "), tabella), {id}).toString();
    }
    int Conta(const QString &tabella) const
    {
        return Sql(QString("select count(*) from %1 where Id = ?").arg(tabella), {id}).toInt();
    }

    // Another window becomes active (section 2 stores itself); Torna makes
    // section 2 active again (it refills itself).
    void Lascia(const QString &finestra = "IntroduzioneForm")
    {
        env_.MainWindow()->ApriFinestra(finestra);
        Settle();
    }
    void Torna() { Lascia("Sezione2Form"); }
    // A field changed by plain SQL while section 2 is left, then back.
    void ImpostaAltrove(const QString &tabella, const QString &campo, const QVariant &valore)
    {
        Lascia();
        Imposta(tabella, campo, valore);
        Torna();
    }
    void Altrove(const QString &finestra = "IntroduzioneForm")
    {
        Lascia(finestra);
        Torna();
    }
    bool Sezione3Aperta() const { return env_.MainWindow()->Finestra("Sezione3Form") != nullptr; }

    qint64 id = 0;
    Sezione2Form *form = nullptr;

private:
    TestEnvironment &env_;
};
