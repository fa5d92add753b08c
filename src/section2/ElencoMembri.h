#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class ListBox;
class MdiChild;
class QLabel;
class QPushButton;
class QWidget;
class Recordset;
class TextBox;
class UscitaFuoco;

// The list of a project's partner rows on a section 2 page (association
// members, client companies, consortium members): the list, by name, each
// item carrying its row's key; the box for a new member's name, shown in the
// list's place while the name is typed; the add and delete buttons.
// A name is added when its box is left, and the new member is then chosen.
// Choosing a member first stores the page into the member shown so far (when
// that fails the choice is undone and the page keeps what it shows), then
// fills the page from the chosen member's row. Every rebuild of the list
// leaves no member chosen. The page gives the names and captions of these
// controls, its table and key, its messages and the steps of its own record.
class ElencoMembri : public QObject
{
    Q_OBJECT
public:
    struct Modo
    {
        // Object names of the list, the name box and the add and delete
        // buttons; the buttons' captions; the most characters of a name
        // (0: any).
        QString lista, nome, aggiungi, elimina;
        QString testoAggiungi, testoElimina;
        int limiteNome = 0;
        // The label that the add captions for the new name; with
        // `didascaliaInAggiunta` it is shown only while the name is typed.
        QLabel *didascalia = nullptr;
        QString testoDidascalia;
        bool didascaliaInAggiunta = false;

        // The table, its key field, the window's dynaset over the project's
        // rows (which the window may replace) and the part of the window
        // that the member's record is, for the marks of a failed store or fill.
        QString tabella, chiave, parte;
        std::unique_ptr<Recordset> *righe = nullptr;
        // Told when the chosen member's row is gone; when the one to delete
        // is gone (empty: the same); when delete finds no member chosen
        // (empty: nothing is told), with its title.
        QString nonEsiste, eliminataNonEsiste, nessunaScelta, titoloNessunaScelta;
        // The record is stored box by box as each is left: a choice stores
        // the member shown only when that store failed.
        bool registraOgniCasella = false;

        // The page's steps: store the page into the member of this key; fill
        // the page from the dynaset, standing on the chosen member's row;
        // enable the page's record while a member is chosen, or not.
        std::function<void(qint64)> registra;
        std::function<void()> riempi;
        std::function<void(bool)> abilita;
        // Steps a page may add. Whether the list is in use, shown and filled
        // (none: always); after each rebuild of the list.
        std::function<bool()> inUso;
        std::function<void()> elencati;
        // When add is pressed, before the name is asked for; false: no add.
        std::function<bool()> primaDiAggiungere;
        // Takes the new name when its box is left: true to choose it in the
        // list, false not to, none when it could not be stored (it stays in
        // its box, to be taken at the next leave). None given: a row with
        // the project's Id and the name is added, for a name and a project.
        std::function<std::optional<bool>(const QString &)> nomina;
        // When delete is pressed, and once the member's row is deleted.
        std::function<void()> primaDiEliminare, eliminato;
        // A box watched through Sorveglia was left.
        std::function<void(QWidget *)> lasciata;
    };

    // Makes the list, the name box (hidden) and the buttons on the parent,
    // in that order, for the page to place.
    ElencoMembri(MdiChild &finestra, QWidget *padre, Modo modo);

    ListBox *Lista() const { return lista_; }
    TextBox *Nome() const { return nome_; }
    QPushButton *BottoneAggiungi() const { return aggiungi_; }
    QPushButton *BottoneElimina() const { return elimina_; }
    // The key of the member whose row the page shows, 0 for none.
    qint64 Mostrato() const { return mostrato_; }

    // Rebuilds the list from the project's rows, in the order the table
    // gives them, and puts it back in the name box's place.
    void Elenca();
    // The dynaset standing on the row whose field (none: the key) holds
    // this value; nullptr, the user told with the message, when there is none.
    Recordset *Trova(qint64 chiave, const QString &messaggio, const QString &campo = {}) const;
    // Stores the page into the member shown; true when there is none.
    bool RegistraMostrato();
    void AggiornaAbilitazione();
    // Ends an add under way without taking its name.
    void Annulla();
    // Leaving the box is reported through the `lasciata` step.
    void Sorveglia(QWidget *casella);

private:
    void Scegli();
    void Aggiungi();
    void Elimina();
    void Lasciata(QWidget *casella);
    std::optional<bool> AggiungiRiga(const QString &nome);

    MdiChild &finestra_;
    Modo modo_;
    ListBox *lista_;
    TextBox *nome_;
    QPushButton *aggiungi_;
    QPushButton *elimina_;
    UscitaFuoco *uscita_;
    qint64 mostrato_ = 0;
    bool aggiungendo_ = false;
    bool validando_ = false;
};
