#pragma once

#include "TabellaDettaglio.h"

#include <QList>

// The tables of lines that section 4 edits in grids, as declared for the
// store and fill of GriglieDettaglio.
namespace Dettagli {

// The six cost detail tables of an action, each with its grids.
const TabellaDettaglio &AttrezzatureMateriale();
const TabellaDettaglio &MaterialiServizi();
const TabellaDettaglio &SpeseRaggiungimento();
const TabellaDettaglio &SpeseRisorse();
const TabellaDettaglio &SpeseStages();
const TabellaDettaglio &SpeseViaggioDocenti();
// The six in the order of every store and fill.
QList<const TabellaDettaglio *> Spese();

// The project's list of attachments.
const TabellaDettaglio &ElencoAllegati();

}  // namespace Dettagli
