#pragma once

class Caselle;

// The windows whose boxes and lists the printout reads: section 1 (its
// totals and summary lists) and section 4 (the cost boxes of the action being
// printed). The print run sets them; a window not given reads as empty.
struct FontiStampa
{
    const Caselle *sezione1 = nullptr;
    const Caselle *sezione4 = nullptr;
};
