#pragma once

class FieldBinding;
class QFrame;
class QWidget;
class Impaginazione;
class Recordset;
class Sezione3Form;

// Page 1 of section 3 and the certificates of page 8: target groups,
// education level with its three texts, sectors with their two texts and the
// certificates, all in the project's one row of DestinatariIntervento, whose
// flags are addressed by their position in the row (section 1 lists the
// flagged target groups and sectors by the same positions).
class PaginaDestinatari
{
public:
    PaginaDestinatari(Sezione3Form &form, Impaginazione &impagina, QFrame *pagina1, QFrame *pagina8);

    // Stores every control of the row, adding the row when the project has none.
    void RegistraDestinatariIntervento();
    // Fills the controls from the project's row; without one they keep what they show.
    void RiempeDestinatariIntervento();

private:
    void CreaDestinatari(QWidget *sezione, Impaginazione &impagina);
    void CreaScolarita(QWidget *sezione, Impaginazione &impagina);
    void CreaSettori(QWidget *sezione, Impaginazione &impagina);
    void CreaCertificati(QFrame *pagina, Impaginazione &impagina);
    // The controls bound to the fields of the row, found by their positions.
    FieldBinding Legame(const Recordset &riga) const;

    Sezione3Form &form_;
};
