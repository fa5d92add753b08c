#pragma once

// Drives section 4's window in tests: the actions chosen in section 3 are
// written with plain SQL, as section 3 stores them; then the window is
// opened and driven, on the shared window driver, through its lists, boxes
// and grid cells.
#include "PilotaFinestra.h"

#include "EditableGrid.h"
#include "ListBox.h"
#include "PageFrames.h"
#include "Sezione4Form.h"
#include "TextBox.h"
#include "Velkaro.h"

#include <QAbstractButton>
#include <QLabel>

class PilotaSezione4 : public PilotaFinestra
{
public:
    // A new project with its Azioni row (none when `azioni` is false).
    explicit PilotaSezione4(TestEnvironment &env, bool azioni = true) : PilotaFinestra(env, "Sezione4Form")
    {
        id = env.OpenNewProject();
        if (azioni)
            env.ExecSql("insert into Azioni (ID) values (?)", {id});
    }

    // Chooses an action type as section 3 does: a cost record with nothing
    // but its key (given, or the next one), whose key goes into the type's
    // column. Returns the key.
    qint64 Scegli(int tipo, qint64 chiave = 0)
    {
        if (chiave > 0)
            env_.ExecSql("insert into SpeseSez3 (IDSEZ3) values (?)", {chiave});
        else
            env_.ExecSql("insert into SpeseSez3 (IDSEZ3) values (null)");
        const qint64 chiaveScelta = Sql("select max(IDSEZ3) from SpeseSez3").toLongLong();
        const qint64 usata = chiave > 0 ? chiave : chiaveScelta;
        env_.ExecSql(QString("update Azioni set Azione%1 = ? where ID = ?").arg(tipo, 2, 10, QChar('0')), {usata, id});
        return usata;
    }
    // A cost record as section 4 stores it: its project, total and one item.
    void Memorizzata(qint64 chiave, qint64 totale, qint64 progetto = -1)
    {
        env_.ExecSql("update SpeseSez3 set Id = ?, VOCISPESA = ? where IDSEZ3 = ?",
                     {progetto < 0 ? id : progetto, totale, chiave});
    }

    // Opened in the mode the test set (ModoStampa), as section 3's next
    // arrow and the printout open it: either menu command sets the mode.
    void Apri() override
    {
        env_.MainWindow()->ApriFinestra("Sezione4Form");
        Settle();
        form = qobject_cast<Sezione4Form *>(Finestra());
        QVERIFY(form);
    }

    // Reopened on the action that was current, double-clicked again.
    void Riapri() override
    {
        const qint64 azione = form->IdSez3Corrente;
        PilotaFinestra::Riapri();
        for (int g = 1; g <= 3; ++g)
            if (const int voce = int(Chiavi(g).indexOf(azione)); voce >= 0)
                return DoppioClic(g, voce);
    }

    ListBox *Lista(int g) const { return form->ui.List1[g]; }
    QStringList Voci(int g) const
    {
        QStringList voci;
        for (int i = 0; i < Lista(g)->ListCount(); ++i)
            voci << Lista(g)->List(i);
        return voci;
    }
    // The keys held by the items of list g, in order.
    QList<qint64> Chiavi(int g) const
    {
        QList<qint64> chiavi;
        for (int i = 0; i < Lista(g)->ListCount(); ++i)
            chiavi << Lista(g)->ItemData(i);
        return chiavi;
    }
    TextBox *T1(int i) const { return form->ui.Text1[i]; }

    void Premi(QAbstractButton *bottone)
    {
        QTest::mouseClick(bottone, Qt::LeftButton);
        Settle();
    }
    // Double-clicks the action of list g at this position.
    void DoppioClic(int g, int voce)
    {
        ClickItem(Lista(g), voce, true);
        Settle();
    }
    // Opens the window on the action at this position of the first list.
    void ApriSullAzione(int voce = 0)
    {
        Apri();
        DoppioClic(1, voce);
    }
    // Back to the list page, and the action at this position of list g made current.
    void RendiCorrente(int voce, int g = 1)
    {
        VaiA(0);
        DoppioClic(g, voce);
    }

    // Types into a grid cell as a user does: a click on it, the keys, Enter.
    static void ScriviCella(EditableGrid *griglia, int riga, int colonna, const QString &testo)
    {
        griglia->scrollTo(griglia->model()->index(riga - 1, colonna));
        QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {}, griglia->CellRect(riga, colonna).center());
        QTest::keyClicks(griglia, testo);
        QTest::keyClick(griglia, Qt::Key_Return);
        Settle();
    }

    // Types texts into the cells of a row from `colonna` on; an empty text
    // leaves its cell alone.
    static void ScriviRiga(EditableGrid *griglia, int riga, int colonna, const QStringList &testi)
    {
        for (int c = 0; c < testi.size(); ++c)
            if (!testi[c].isEmpty())
                ScriviCella(griglia, riga, colonna + c, testi[c]);
    }
    // The texts of a row's cells.
    static QStringList Celle(EditableGrid *griglia, int riga)
    {
        QStringList celle;
        for (int c = 0; c < griglia->Cols(); ++c)
            celle << griglia->TextMatrix(riga, c);
        return celle;
    }

    // A field of a cost record.
    QVariant Spesa(qint64 chiave, const QString &campo) const
    {
        return Sql(QString("select %1 from SpeseSez3 where IDSEZ3 = ?").arg(campo), {chiave});
    }
    // The window's row of the cost records is the current action's.
    QVariant Campo(const QString &tabella, const QString &campo) const override
    {
        return tabella == "SpeseSez3" ? Spesa(form->IdSez3Corrente, campo) : PilotaFinestra::Campo(tabella, campo);
    }
    // The stored lines of a table that `dove` selects, in the order stored:
    // each its fields' texts joined by "|" (a Null as the empty text).
    QStringList Righe(const QString &tabella, const QStringList &campi, const QString &dove,
                      const QVariantList &valori) const
    {
        QStringList testi;
        for (const QString &campo : campi)
            testi << QString("coalesce(%1, '')").arg(campo);
        const QString righe =
            Sql(QString("select group_concat(riga, char(10)) from (select %1 as riga from %2 where %3 order by rowid)")
                    .arg(testi.join(" || '|' || "), tabella, dove),
                valori)
                .toString();
        return righe.isEmpty() ? QStringList() : righe.split('\n');
    }
    QVariant Secondario(const QString &campo) const
    {
        return Sql(QString("select %1 from Secondario where Id = ?").arg(campo), {id});
    }

    Sezione4Form *form = nullptr;
};
