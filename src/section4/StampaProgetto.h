#pragma once

#include "CaselleFinestra.h"
#include "CorsaStampa.h"
#include "FinestreStampa.h"

#include <QString>

class Sezione4Form;

// The print page's work: "Avvia Stampa" runs the print run, showing its
// steps on the page's labels and bar, and then prints the document through
// the printer dialog or names the file it wrote. While the run goes on the
// page's buttons are disabled, the window cannot be closed and the user's
// input waits; what was typed or clicked meanwhile is dropped.
class StampaProgetto : public FinestreStampa
{
public:
    explicit StampaProgetto(Sezione4Form &form);

    void AvviaStampa_Click();
    // Prints the RTF file through the printer dialog: nothing when the user
    // cancels; the document is printed once, the copies are the printer's.
    void StampaFileRtf(const QString &percorso);
    bool InCorso() const { return inCorso_; }

    void Avanza(const QString &etichetta) override;
    const Caselle *CaricaSezione1() override;
    void ScaricaSezione1() override;
    const Caselle *RendiCorrente(qint64 IdSez3) override;

private:
    bool Esegui(const QString &documento);
    void Occupa(bool occupata);
    void Completata();

    Sezione4Form &form_;
    CorsaStampa corsa_;
    CaselleFinestra sezione1_{nullptr};
    CaselleFinestra sezione4_;
    bool inCorso_ = false;
};
