#pragma once

#include "FieldBinding.h"
#include "PagineStriscia.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class Impaginazione;
class ListBox;
class QGroupBox;
class QLabel;
class QPushButton;
class Recordset;
class Sezione3Form;
class TextBox;

// What tells one titled-list editor from the other: the table, its key,
// the names of the controls, the captions and the messages.
struct DefinizioneElenco
{
    struct Scheda
    {
        const char *scheda, *suggerimento, *didascalia;
    };

    const char *tabella;  // its first two columns: the project's Id, then the key
    const char *chiave;   // the key field, which names its index too
    const char *lista, *titolo, *aggiungi, *elimina, *registra, *etichetta, *striscia, *pagine;
    const char *testoTitolo, *testoAggiungi, *testoElimina, *testoRegistra;
    const char *titoloVuoto;     // "Aggiungi" with no title
    const char *giaPresente;     // "Aggiungi" with a title already listed
    const char *domanda;         // the delete question, %1 the item's text
    const char *nessunaScelta;   // "Registra" with nothing chosen
    const char *titoloMancante;  // "Registra" with the title box blank
    // The title box shows the chosen item's text (trimmed) rather than the
    // stored title.
    bool titoloDallElenco;
    std::vector<Scheda> schede;
};

// The editor of a project's titled items (the modules of page 9, the
// actions of page 10): the list of titles, a title box with "Aggiungi" and
// "Elimina", a tab strip of detail pages and "Registra" below, with the
// chosen item's title beside it. Adding and deleting act on the database at
// once; the details are stored only by "Registra". Whoever builds a page
// puts the detail boxes on the tab pages and binds them with Lega.
class EditorElenco : public QObject
{
    Q_OBJECT
public:
    // What an item keeps besides its row (the module's equipment), loaded,
    // stored and blanked with the details.
    class Dettagli
    {
    public:
        virtual ~Dettagli() = default;
        virtual void Carica(qint64 chiave) = 0;
        virtual void Registra(qint64 chiave) = 0;
        virtual void Azzera() = 0;
    };

    EditorElenco(Sezione3Form &form, Impaginazione &impagina, QGroupBox *riquadro, DefinizioneElenco definizione);
    ~EditorElenco() override;

    // The tab page of this index, from 1.
    QGroupBox *Pagina(int indice) const { return pagine_->Pagine[indice]; }
    // A detail box and its field; stored only, never filled, when `soloRegistra`.
    void Lega(QWidget *casella, const QString &campo, FieldBinding::Kind tipo, bool soloRegistra = false);
    // A text page: one multi-line box, member `indice` of Text1, filling the
    // page under the hint on the people to name when `profili`; bound to `campo`.
    void CasellaTesto(Impaginazione &impagina, int pagina, int indice, const QString &campo, bool profili = false);
    // A one-line whole-number box, member `indice` of Text1, under the
    // page's caption at `top` (twips), its label on its left, indented by
    // `rientro`; bound to `campo`.
    QWidget *CasellaNumero(Impaginazione &impagina, int pagina, int indice, const QString &etichetta,
                           const QString &campo, int top, int rientro = 0);
    void Affianca(Dettagli *dettagli) { dettagli_ = dettagli; }

    // Where CasellaNumero puts its boxes, in twips.
    static constexpr int kSinistraNumero = 2880;
    static constexpr int kLarghezzaNumero = 1200;

    // The part of the window the editor stores and fills, named after its table.
    QString Parte() const;
    // Reloads the list from the project's rows; nothing is chosen after.
    void Carica();
    // The click of the strip: the page of the selected tab shows.
    void TabStrip_Click();
    // Blanks this editor's detail pages, storing nothing.
    void AzzeraStrip();

    void List_Click();
    void Aggiungi_Click();
    void Elimina_Click();
    void Registra_Click();

    ListBox *Lista = nullptr;
    TextBox *Titolo = nullptr;
    QPushButton *Aggiungi = nullptr;
    QPushButton *Elimina = nullptr;
    QPushButton *Registra = nullptr;
    QLabel *Etichetta = nullptr;

private:
    void Crea(Impaginazione &impagina, QGroupBox *riquadro);
    // The project's rows, read afresh.
    std::unique_ptr<Recordset> Righe() const;
    void CaricaElenco();
    // Loads the chosen item's fields into the title box and the detail boxes.
    void CaricaCampi(qint64 chiave);
    // Stores the title box and the details into the item's row; false when
    // the row is gone.
    bool RegistraCampi(qint64 chiave);
    // A title refused by "Aggiungi": no page shows, the title box (emptied
    // when `svuota`) takes the focus.
    void Rifiuta(bool svuota);

    Sezione3Form &form_;
    const DefinizioneElenco definizione_;
    std::optional<PagineStriscia> pagine_;  // made after the list and the buttons, for the tab order
    FieldBinding campi_;                    // stored and filled
    FieldBinding registrati_;               // stored only
    Dettagli *dettagli_ = nullptr;
};
