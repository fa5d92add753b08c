#include "Impaginazione.h"

#include "FieldBinding.h"
#include "Sezione3Form.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>

QGroupBox *Impaginazione::Riquadro(QWidget *padre, const QString &titolo, int left, int top, int width, int height)
{
    auto *riquadro = new QGroupBox(titolo, padre);
    riquadro->setGeometry(TwipsRect(left, top, width, height));
    return riquadro;
}

QLabel *Impaginazione::Etichetta(QWidget *padre, const QString &testo, int left, int top, int width, int height)
{
    QLabel *etichetta = form_.Label1.Create(etichette_++, padre, testo);
    etichetta->setGeometry(TwipsRect(left, top, width, height));
    if (height > kRiga) {
        etichetta->setWordWrap(true);
        etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return etichetta;
}

QWidget *Impaginazione::Casella(int indice, QWidget *padre, int limite, bool multiriga, int left, int top, int width,
                                int height, Qt::Alignment allineamento)
{
    QWidget *casella = form_.AggiungiCasella(indice, FieldBinding::NewBox(padre, limite, multiriga, allineamento));
    casella->setGeometry(TwipsRect(left, top, width, height));
    return casella;
}

QWidget *Impaginazione::CasellaSotto(int indice, const QString &etichetta, QWidget *padre, int limite, bool multiriga,
                                     int left, int top, int width, int height)
{
    Etichetta(padre, etichetta, left, top, width);
    return Casella(indice, padre, limite, multiriga, left, top + kRiga, width, height);
}
