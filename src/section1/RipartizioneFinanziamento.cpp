#include "RipartizioneFinanziamento.h"

RipartizioneFinanziamento RipartizioneFinanziamento::Calcola(double costo, bool occupati)
{
    RipartizioneFinanziamento r;
    if (occupati) {
        r.percentuali = {30, 70, 70, 21, 9};
        const double pubblico = costo * 70 / 100;
        r.quote = {costo * 30 / 100, pubblico, pubblico * 70 / 100, pubblico * 21 / 100, pubblico * 9 / 100};
    } else {
        r.percentuali = {0, 100, 70, 21, 9};
        r.quote = {0, costo * 100 / 100, costo * 70 / 100, costo * 21 / 100, costo * 9 / 100};
    }
    return r;
}
