#pragma once

// Drives section 2's window in tests, on the shared window driver: its
// partner lists and buttons, and plain SQL on the project's rows.
#include "ControlliProva.h"
#include "PilotaFinestra.h"

#include "ListBox.h"
#include "PageFrames.h"
#include "Sezione2Form.h"
#include "Velkaro.h"

#include <QAbstractButton>
#include <QLineEdit>

class PilotaSezione2 : public PilotaFinestra
{
public:
    // A new project of the given activity type (none: never stored), and
    // section 2 opened on it unless `apri` is false.
    explicit PilotaSezione2(TestEnvironment &env, QVariant tipo = {}, bool apri = true)
        : PilotaFinestra(env, "Sezione2Form")
    {
        id = env.OpenNewProject();
        if (tipo.isValid())
            env.ExecSql("update Principale set AttivitaFormativa = ? where Id = ?", {tipo, id});
        if (apri)
            Apri();
    }
    void Apri() override
    {
        PilotaFinestra::Apri();
        form = qobject_cast<Sezione2Form *>(Finestra());
        QVERIFY(form);
    }
    using PilotaFinestra::W;
    template <typename T = QWidget>
    T *W(const char *array, int index) const
    {
        return Find<T>(form, Nome(array, index));
    }
    void Premi(QAbstractButton *bottone)
    {
        bottone->click();
        Settle();
    }
    void Clicca(const QString &bottone) { Premi(W<QAbstractButton>(bottone)); }
    // Chooses an item of a list as the user would: a click on its rectangle.
    void Scegli(ListBox *lista, int indice)
    {
        ClickItem(lista, indice);
        QCOMPARE(lista->ListIndex(), indice);
    }
    void Scegli(ListBox *lista, const QString &voce) { Scegli(lista, lista->FindExact(voce)); }
    // Clicks next with the mouse until the walk ends; the page frames shown
    // on the way.
    QList<int> Cammino()
    {
        QList<int> pagine{Pagina()};
        for (int i = 0; i < 12; ++i) {
            const int prima = form->PaginaCorrente;
            Avanti();
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

    // A field changed by plain SQL while section 2 is left, then back.
    void ImpostaAltrove(const QString &tabella, const QString &campo, const QVariant &valore)
    {
        Lascia();
        Imposta(tabella, campo, valore);
        Torna();
    }
    bool Sezione3Aperta() const { return env_.MainWindow()->Finestra("Sezione3Form") != nullptr; }

    Sezione2Form *form = nullptr;
};
