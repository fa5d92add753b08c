#pragma once

class QFrame;
class Impaginazione;
class Sezione3Form;

// Page 0 of section 3: the 19 action types. Each chosen type owns one cost
// record, a SpeseSez3 row that section 4 fills; the project's Azioni row
// holds, in column k, the key of type k's record or 0.
class PaginaAzioni
{
public:
    static constexpr int kTipi = 19;

    PaginaAzioni(Sezione3Form &form, Impaginazione &impagina, QFrame *pagina);

    // Checks the types whose column holds a key, adding the project's row
    // first when it has none.
    void RiempeCheckAzioni();
    // Makes a blank cost record for each newly checked type and deletes the
    // record of each unchecked one, keeping the keys in the project's row.
    void RegistraCheckAzioni();

private:
    Sezione3Form &form_;
};
