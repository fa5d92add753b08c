#pragma once

#include <QtGlobal>

// Writes section 2's page order for an activity type into PagineSezione2:
// the four pages every proposer fills, then the client companies (type 1) or
// the consortium page (type 2), then the end marker 6. Only those positions
// are written; any other type leaves the plan as it is. True when written.
bool CalcolaPagineSezione2(qint64 tipo);
