#include "LegameCampi.h"

#include "CampiScheda.h"
#include "ComboBox.h"
#include "OptionGroup.h"
#include "Procedure.h"
#include "Recordset.h"

#include <QCheckBox>

void LegameCampi::Casella(Tabella tabella, const QString &campo, int tipo, QWidget *casella)
{
    legami_.push_back({Legame::Testo, tabella, campo, tipo, {casella}, nullptr, CampiScheda::Limite(casella)});
}

void LegameCampi::MostraTesto(const Legame &legame, const QString &testo)
{
    CampiScheda::MostraEntroLimite(legame.controlli[0], testo, legame.limite);
}

void LegameCampi::Spunta(Tabella tabella, const QString &campo, QCheckBox *spunta)
{
    legami_.push_back({Legame::Booleano, tabella, campo, 0, {spunta}, nullptr});
}

void LegameCampi::Opzioni(Tabella tabella, const QString &campo, OptionGroup *gruppo)
{
    legami_.push_back({Legame::Indice, tabella, campo, TipoNumero, {}, gruppo});
}

void LegameCampi::Maschera(Tabella tabella, const QString &campo, std::vector<QCheckBox *> spunte)
{
    legami_.push_back({Legame::Bit, tabella, campo, TipoNumero, {spunte.begin(), spunte.end()}, nullptr});
}

void LegameCampi::Elenco(Tabella tabella, const QString &campo, ComboBox *elenco)
{
    legami_.push_back({Legame::Anno, tabella, campo, TipoTesto, {elenco}, nullptr});
}

void LegameCampi::Registra(Recordset &principale, Recordset &secondario) const
{
    for (const Legame &legame : legami_) {
        Recordset &riga = legame.tabella == Principale ? principale : secondario;
        switch (legame.genere) {
        case Legame::Testo: {
            const QString testo = CampiScheda::TestoCasella(legame.controlli[0]);
            riga.SetField(legame.campo, CampiScheda::DaRegistrare(testo, CampiScheda::Tipo(legame.tipo)));
            break;
        }
        case Legame::Booleano:
            riga.SetField(legame.campo, static_cast<QCheckBox *>(legame.controlli[0])->isChecked());
            break;
        case Legame::Indice:
            // With no option selected the stored value stays.
            if (legame.gruppo->Selected() >= 0)
                riga.SetField(legame.campo, qint64(legame.gruppo->Selected()));
            break;
        case Legame::Bit: {
            qint64 maschera = 0;
            for (size_t i = 0; i < legame.controlli.size(); ++i)
                if (static_cast<QCheckBox *>(legame.controlli[i])->isChecked())
                    maschera += qint64(1) << i;
            riga.SetField(legame.campo, maschera);
            break;
        }
        case Legame::Anno: {
            // With no year selected the stored year stays.
            auto *elenco = static_cast<ComboBox *>(legame.controlli[0]);
            if (elenco->ListIndex() >= 0)
                riga.SetField(legame.campo, elenco->List(elenco->ListIndex()));
            break;
        }
        }
    }
}

void LegameCampi::Riempi(const Recordset &principale, const Recordset &secondario) const
{
    for (const Legame &legame : legami_) {
        const Recordset &riga = legame.tabella == Principale ? principale : secondario;
        const QVariant valore = riga.Field(legame.campo);
        switch (legame.genere) {
        case Legame::Testo:
            MostraTesto(legame, CampiScheda::DaMostrare(valore, CampiScheda::Tipo(legame.tipo)));
            break;
        case Legame::Booleano:
            static_cast<QCheckBox *>(legame.controlli[0])
                ->setChecked(valore.isValid() && !valore.isNull() && valore.toBool());
            break;
        case Legame::Indice: {
            // An index no option has leaves none selected.
            const qint64 indice = InteroMemorizzabile(valore);
            if (indice >= 0 && indice <= legame.gruppo->Buttons().UBound())
                legame.gruppo->Select(int(indice));
            else
                legame.gruppo->ClearAll();
            break;
        }
        case Legame::Bit: {
            const qint64 maschera = InteroMemorizzabile(valore);
            for (size_t i = 0; i < legame.controlli.size(); ++i)
                static_cast<QCheckBox *>(legame.controlli[i])->setChecked((maschera >> i) & 1);
            break;
        }
        case Legame::Anno: {
            auto *elenco = static_cast<ComboBox *>(legame.controlli[0]);
            elenco->SetListIndex(CercaCombo(elenco, ValoreValido(valore, TipoTesto).toString()));
            break;
        }
        }
    }
}
