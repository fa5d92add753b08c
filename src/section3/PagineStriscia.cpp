#include "PagineStriscia.h"

#include "TabStrip.h"
#include "Twips.h"

namespace {

constexpr int kAltezzaStriscia = 360;  // twips

}  // namespace

PagineStriscia::PagineStriscia(const QString &striscia, const QString &pagine, QWidget *riquadro, const QRect &posto)
    : Pagine(pagine), riquadro_(riquadro), posto_(TwipsRect(posto.left(), posto.top(), posto.width(), posto.height()))
{
    Striscia = new TabStrip(riquadro);
    Striscia->setObjectName(striscia);
    Striscia->setGeometry(TwipsRect(posto.left(), posto.top() - kAltezzaStriscia, posto.width(), kAltezzaStriscia));
    // Narrow tabs, so that every caption shows whole side by side.
    Striscia->setStyleSheet("QTabBar::tab { padding: 3px 5px; }");
}

QGroupBox *PagineStriscia::Aggiungi(const QString &scheda, const QString &suggerimento, const QString &didascalia)
{
    Striscia->AddTab(scheda, suggerimento);
    QGroupBox *pagina = Pagine.Create(Striscia->count(), riquadro_, didascalia);
    pagina->setGeometry(posto_);
    return pagina;
}

void PagineStriscia::Setta() const
{
    for (const auto &[indice, pagina] : Pagine) {
        pagina->setGeometry(posto_);
        pagina->hide();
        pagina->setEnabled(false);
    }
}

void PagineStriscia::Mostra() const
{
    Setta();
    if (QGroupBox *pagina = Scelta()) {
        pagina->show();
        pagina->setEnabled(true);
        pagina->raise();
    }
}

QGroupBox *PagineStriscia::Scelta() const
{
    return Pagine[Striscia->SelectedIndex()];
}
