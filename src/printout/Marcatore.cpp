#include "Marcatore.h"

namespace {

// The numeric value of a digit; any other character counts as 0.
int Cifra(QChar c)
{
    return c.isDigit() && c.unicode() < 128 ? c.unicode() - '0' : 0;
}

}  // namespace

std::optional<Marcatore> Marcatore::Leggi(QStringView testo)
{
    if (!testo.startsWith(u'['))
        return std::nullopt;
    const qsizetype chiusura = testo.left(Massimo).indexOf(u']');
    if (chiusura < 0)
        return std::nullopt;
    const QStringView interno = testo.sliced(1, chiusura - 1);

    Marcatore marcatore;
    marcatore.lunghezza = int(chiusura + 1);
    if (const qsizetype chiocciola = interno.indexOf(u'@'); chiocciola >= 0) {
        const QStringView resto = interno.sliced(chiocciola + 1);
        if (resto.size() < 3)
            return std::nullopt;
        marcatore.genere = Lista;
        marcatore.parola = interno.left(chiocciola).toString();
        marcatore.campo = resto.chopped(2).toString();
        marcatore.ncampi = Cifra(resto[resto.size() - 2]);
        marcatore.tipo = resto.back();
    } else {
        const qsizetype punto = interno.indexOf(u'!');
        if (punto < 0)
            return std::nullopt;
        marcatore.parola = interno.left(punto).toString();
        marcatore.campo = interno.sliced(punto + 1).toString();
    }
    if (marcatore.parola.isEmpty() || marcatore.campo.isEmpty())
        return std::nullopt;
    return marcatore;
}

int Marcatore::ValoreTipo() const
{
    return Cifra(tipo);
}
