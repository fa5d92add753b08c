#pragma once

#include "FieldBinding.h"
#include "PagineStriscia.h"

#include <QObject>

#include <array>

class Impaginazione;
class Sezione3Form;

// Page 14: the activities delegated to third parties. Six tabs of
// TabStrip2, one per kind of activity (TerziDelegati.tipo 1 to 6, a row
// each in every project), take the reason, the third party, its
// requirements and skills and the cost. The waiver Check1(28) makes the
// first tab's boxes and the strip usable; the other tabs' boxes stay as
// they are.
class PaginaDelega : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTipi = 6;

    PaginaDelega(Sezione3Form &form, Impaginazione &impagina);

    // Fills the 24 boxes from the project's six rows, completing the rows
    // first; nothing without a current project.
    void RiempeDelegati();
    // Stores the 24 boxes into the project's six rows, completing them
    // first; nothing without a current project.
    void RegistraTerziDelegati();
    void TabStrip2_Click();
    // The waiver switched on or off, by the user or by a fill.
    void Check1_Click();

private:
    // The project's rows in query order, completed to six (tipo = place);
    // the first six are those the tabs show.
    static std::unique_ptr<Recordset> Righe();

    Sezione3Form &form_;
    PagineStriscia pagine_;
    std::array<FieldBinding, kTipi + 1> tipi_;  // the boxes of kind t, from 1
};
