#pragma once

#include "Calcolo.h"
#include "FontiStampa.h"
#include "Lista.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

struct Marcatore;
class Recordset;
class RichTextBox;

// Fills a print template loaded in a rich-text box: every marker is replaced
// by its value (see Marcatore), and the filled document is taken back as one
// fragment of the printed project.
// Values are inserted as plain text, never read as RTF, and never searched
// again for markers. A malformed marker, or one naming a table or field that
// does not exist (or a row the step does not have), is left as it stands.
class Riempitore
{
public:
    explicit Riempitore(RichTextBox &box);

    // The windows whose boxes and lists the catalogues read.
    FontiStampa &Fonti() { return fonti_; }
    // The "Lista" catalogue, whose kept texts the print run empties first.
    Lista &Liste() { return lista_; }

    // Replaces every marker of the loaded template. `apri` is the row the
    // step prints (standing on it), or nothing; TabPrincipale and
    // TabSecondario stand on the current project's rows. Returns the empty
    // text. A database failure passes to the caller.
    QString RiempeRText(const Recordset *apri);

    // The rows of `tabella` whose field `Campo` equals `chiave`, restricted to
    // Tipo = `tipo` when its numeric value is below 9 (a non-digit counts as 0):
    // for each row the fields from position 1 (2 when restricted) to `ncampi`,
    // each after a TAB, then a carriage return; one more carriage return at
    // the end. "@" when no row matches, a Null key included. Names that are
    // not a table and its fields raise a UserError.
    static QString StringaTabella(const QVariant &tabella, const QVariant &Campo, const QVariant &chiave,
                                  const QString &tipo, int ncampi);

    // The filled document as a fragment, also stored in `stringa`: the whole
    // RTF text without its last 3 characters (the closing brace, carriage
    // return and line feed); unless `Primo`, without the header either, up to
    // and including its first "}}" (the first character when there is none).
    QByteArray AggiungiTesto(QByteArray &stringa, bool Primo) const;

private:
    std::optional<QString> Valore(const Marcatore &marcatore, const Recordset *apri);
    std::optional<QString> ValoreLista(const Marcatore &marcatore, const Recordset *apri);
    const Recordset *Sorgente(const QString &parola, const Recordset *apri) const;

    RichTextBox &box_;
    FontiStampa fonti_;
    Calcolo calcolo_;
    Lista lista_;
};
