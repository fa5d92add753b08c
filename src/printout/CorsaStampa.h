#pragma once

#include "Riempitore.h"

#include <QString>

#include <memory>

class FinestreStampa;
class Recordset;
class RichTextBox;
class RtfOutputFile;

// The print run: the current project assembled into one RTF document. Each
// step loads its template into the rich-text box, fills it from the step's
// rows and appends it as one fragment; the first fragment keeps the RTF
// header, the document ends with "}" and a line break. Steps and labels:
// "Fase 1" (section 1's window open meanwhile), "Fase 1 ATS" (when the
// proponent is an association), "Fase 1 Chiusura", "Fase 2" (client
// companies, activity type 1) or "Fase 3" (consortium members, type 2),
// "Fase 4", "Fase 5" (modules), "Fase 6" (described actions), "Fase 7",
// "Fase 7 Delega a Terzi" (when activities are delegated), "Fase 7
// Chiusura", "Fase 8" (each chosen action, made current in section 4) and
// "Fase 8 Chiusura".
class CorsaStampa
{
public:
    CorsaStampa(RichTextBox &box, FinestreStampa &finestre);
    ~CorsaStampa();

    Riempitore &Filler() { return riempitore_; }

    // The document's name within the program's folder: the separator,
    // "Progetto", the project's Id and ".rtf".
    static QString NomeDocumento();

    // Fills the templates of the folder `modelli` and writes the document
    // `documento`, which replaces the one there only when the whole run
    // succeeds. A missing template, a document that cannot be written, a
    // database failure or no current project stop the run with a UserError
    // or DbError; the document is then left as it was.
    void Esegui(const QString &modelli, const QString &documento);

private:
    void Fase1();
    void Passo(const QString &etichetta, const QString &modello, const Recordset *apri);
    void PerRiga(const QString &etichetta, const QString &etichettaRiga, bool contatore, const QString &modello,
                 const QString &tabella);
    void Fase4();
    void Fase8();
    void Carica(const QString &modello);
    void Aggiungi(const Recordset *apri);
    std::unique_ptr<Recordset> Righe(const QString &tabella) const;

    RichTextBox &box_;
    FinestreStampa &finestre_;
    Riempitore riempitore_;
    QString modelli_;
    RtfOutputFile *documento_ = nullptr;
    bool primo_ = true;
};
