#pragma once

// Drives section 3's window in tests, on the shared window driver: its
// boxes, check boxes and options, its titled-list editors and equipment
// grid, and plain SQL on the project's rows.
#include "ControlliProva.h"
#include "PilotaSezione4.h"

#include "Dialogs.h"
#include "EditableGrid.h"
#include "Globali.h"
#include "ListBox.h"
#include "PageFrames.h"
#include "Sezione3Form.h"
#include "TabStrip.h"
#include "Velkaro.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>

// One of the two titled-list editors: its page, its controls, its table,
// a number box and a text box of its details with their fields, and its
// messages.
struct EditorProva
{
    int pagina;
    QString lista, titolo, aggiungi, elimina, registra, etichetta, striscia, pagine;
    QString tabella, chiave;
    int numero;  // a whole-number box of page 1
    QString campoNumero;
    int testo;  // a text box, on page `paginaTesto`
    int paginaTesto;
    QString campoTesto;
    QString giaPresente, domanda;  // the delete question, %1 the item's text
    int schede;
};

inline const EditorProva &Moduli()
{
    static const EditorProva moduli(9, "List1", "Text5", "Command6", "Command5", "Command7", "Label12", "TabStrip1",
                                    "Frame31", "ProgrammaDidattico", "IDModulo", 51, "Stage", 56, 3, "Docenti",
                                    QString::fromUtf8("Nome Modulo già presente..."),
                                    "Sei sicuro di voler eliminare il modulo %1?", 6);
    return moduli;
}

inline const EditorProva &AzioniNonFormative()
{
    static const EditorProva azioni(10, "List2", "Text9", "Command9", "Command10", "Command8", "Label13", "TabStrip3",
                                    "Frame46", "ProgrammaAzione", "IDAzione", 5, "DurataGG", 3, 3, "Risorse",
                                    QString::fromUtf8("Nome Azione già presente..."),
                                    "Sei sicuro di voler eliminare l'azione selezionata%1 ?", 5);
    return azioni;
}

class PilotaSezione3 : public PilotaFinestra
{
public:
    // A new project, and section 3 opened on it unless `apri` is false.
    explicit PilotaSezione3(TestEnvironment &env, bool apri = true) : PilotaFinestra(env, "Sezione3Form")
    {
        id = env.OpenNewProject();
        if (apri)
            Apri();
    }
    void Apri() override
    {
        PilotaFinestra::Apri();
        form = qobject_cast<Sezione3Form *>(Finestra());
        QVERIFY(form);
    }
    using PilotaFinestra::W;
    template <typename T = QWidget>
    T *W(const char *array, int index) const
    {
        return Find<T>(form, Nome(array, index));
    }
    QWidget *Casella(int indice) const { return W("Text1", indice); }
    // A click on the check box or option `index` of an array, and whether it is checked.
    void Spunta(const char *array, int index) const { Clic(W<QAbstractButton>(array, index)); }
    bool Spuntato(const char *array, int index) const { return W<QAbstractButton>(array, index)->isChecked(); }
    // Types into a box of Text1 on its page; the page is reached first.
    void Digita(int indice, const QString &testo, int pagina)
    {
        VaiA(pagina);
        TypeInto(Casella(indice), testo);
    }

    // Column k of the project's Azioni row: the key of type k's cost record.
    QVariant Chiave(int tipo) const { return Campo("Azioni", QString("Azione%1").arg(tipo, 2, 10, QChar('0'))); }
    bool EsisteSpesa(const QVariant &chiave) const
    {
        return Sql("select count(*) from SpeseSez3 where IDSEZ3 = ?", {chiave}).toInt() == 1;
    }
    int Conta(const QString &tabella) const { return Sql(QString("select count(*) from %1").arg(tabella)).toInt(); }

    // --- The titled-list editors ---------------------------------------------

    ListBox *Lista(const EditorProva &e) const { return W<ListBox>(e.lista); }
    QLineEdit *Titolo(const EditorProva &e) const { return W<QLineEdit>(e.titolo); }
    TabStrip *Striscia(const EditorProva &e) const { return W<TabStrip>(e.striscia); }
    QAbstractButton *Bottone(const QString &nome) const { return W<QAbstractButton>(nome); }
    static QStringList Voci(const ListBox *lista)
    {
        QStringList voci;
        for (int i = 0; i < lista->ListCount(); ++i)
            voci.append(lista->List(i));
        return voci;
    }
    // Types a title and presses "Aggiungi", on the editor's page.
    void Aggiungi(const EditorProva &e, const QString &titolo)
    {
        VaiA(e.pagina);
        TypeInto(Titolo(e), titolo);
        Clic(Bottone(e.aggiungi));
    }
    void Scegli(const EditorProva &e, int voce) { ClickItem(Lista(e), voce); }
    void Registra(const EditorProva &e) { Clic(Bottone(e.registra)); }
    // Presses "Elimina" and answers its question.
    void Elimina(const EditorProva &e, bool si)
    {
        Dialogs::Queue(si);
        Clic(Bottone(e.elimina));
    }
    // A click on the tab (from 1) of a strip.
    static void Scheda(TabStrip *striscia, int scheda)
    {
        QTest::mouseClick(striscia, Qt::LeftButton, {}, striscia->tabRect(scheda - 1).center());
        Settle();
    }
    // The project's titles in a table, in key order.
    QStringList Titoli(const EditorProva &e) const
    {
        const QVariant titoli =
            Sql(QString("select group_concat(Titolo, '|') from (select Titolo from %1 where ID = ? order by %2)")
                    .arg(e.tabella, e.chiave),
                {id});
        return titoli.isNull() ? QStringList() : titoli.toString().split('|');
    }
    // A field of the row with this key.
    QVariant CampoDi(const EditorProva &e, qint64 chiave, const QString &campo) const
    {
        return Sql(QString("select %1 from %2 where %3 = ?").arg(campo, e.tabella, e.chiave), {chiave});
    }
    qint64 ChiaveDi(const EditorProva &e, const QString &titolo) const
    {
        return Sql(QString("select %1 from %2 where ID = ? and Titolo = ?").arg(e.chiave, e.tabella), {id, titolo})
            .toLongLong();
    }

    // --- The equipment grid ---------------------------------------------------

    EditableGrid *Griglia() const { return W<EditableGrid>("VSFlexGrid1"); }
    // A click on a cell, the grid scrolled to show it.
    void Cella(int riga, int colonna) const
    {
        EditableGrid *griglia = Griglia();
        griglia->scrollTo(griglia->model()->index(riga - 1, colonna));
        QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {}, griglia->CellRect(riga, colonna).center());
        Settle();
    }
    // Types into a cell as the user does: a click, the keys, Enter.
    void ScriviCella(int riga, int colonna, const QString &testo) const
    {
        PilotaSezione4::ScriviCella(Griglia(), riga, colonna, testo);
    }

    Sezione3Form *form = nullptr;
};
