#include "CampiScheda.h"

#include "MultiLineEdit.h"
#include "Recordset.h"

#include <QDateTime>
#include <QLineEdit>

#include <algorithm>

void CampiScheda::Aggiungi(const QString &campo, QWidget *casella, Tipo tipo)
{
    campi_.append({campo, casella, tipo, Limite(casella)});
}

void CampiScheda::Registra(Recordset &riga) const
{
    for (const Campo &campo : campi_)
        riga.SetField(campo.nome, DaRegistrare(TestoCasella(campo.casella), campo.tipo));
}

void CampiScheda::Riempe(const Recordset &riga) const
{
    for (const Campo &campo : campi_)
        MostraEntroLimite(campo.casella, DaMostrare(riga.Field(campo.nome), campo.tipo), campo.limite);
}

void CampiScheda::Svuota() const
{
    for (const Campo &campo : campi_)
        MostraEntroLimite(campo.casella, QString(), campo.limite);
}

void CampiScheda::Abilita(bool abilitate) const
{
    for (const Campo &campo : campi_)
        campo.casella->setEnabled(abilitate);
}

QWidget *CampiScheda::NuovaCasella(QWidget *padre, int lunghezza, bool multiriga, Qt::Alignment allineamento)
{
    if (multiriga) {
        auto *righe = new MultiLineEdit(padre);
        righe->setMaxLength(lunghezza);
        return righe;
    }
    auto *riga = new QLineEdit(padre);
    if (lunghezza > 0)
        riga->setMaxLength(lunghezza);
    if (allineamento)
        riga->setAlignment(allineamento);
    return riga;
}

QString CampiScheda::TestoCasella(const QWidget *casella)
{
    if (auto *riga = qobject_cast<const QLineEdit *>(casella))
        return riga->text();
    if (auto *righe = qobject_cast<const MultiLineEdit *>(casella))
        return righe->text();
    return QString();
}

void CampiScheda::ImpostaTesto(QWidget *casella, const QString &testo)
{
    if (auto *riga = qobject_cast<QLineEdit *>(casella))
        riga->setText(testo);
    else if (auto *righe = qobject_cast<MultiLineEdit *>(casella))
        righe->setText(testo);
}

int CampiScheda::Limite(const QWidget *casella)
{
    if (auto *riga = qobject_cast<const QLineEdit *>(casella))
        return riga->maxLength();  // a line box given none still has one
    if (auto *righe = qobject_cast<const MultiLineEdit *>(casella))
        return righe->maxLength();
    return 0;
}

void CampiScheda::MostraEntroLimite(QWidget *casella, const QString &testo, int limite)
{
    if (limite > 0) {
        const int adatto = std::max(limite, int(testo.size()));
        if (auto *riga = qobject_cast<QLineEdit *>(casella))
            riga->setMaxLength(adatto);
        else if (auto *righe = qobject_cast<MultiLineEdit *>(casella))
            righe->setMaxLength(adatto);
    }
    ImpostaTesto(casella, testo);
}

QVariant CampiScheda::DaRegistrare(const QString &testo, Tipo tipo)
{
    switch (tipo) {
    case Numero:
        return InteroMemorizzabile(testo);
    case Data: {
        const QVariant data = ValoreValido(testo, TipoData);
        const QDate letta = DataDaTesto(data.toString());
        return letta.isValid() ? letta : QDate(1900, 1, 1);
    }
    default:
        return ValoreValido(testo, TipoTesto);
    }
}

QString CampiScheda::DaMostrare(const QVariant &valore, Tipo tipo)
{
    switch (tipo) {
    case Numero:
        return QString::number(InteroMemorizzabile(valore));
    case Data: {
        const QVariant data = ValoreValido(valore, TipoData);
        if (data.typeId() == QMetaType::QDateTime)
            return data.toDateTime().date().toString("dd/MM/yyyy");
        if (data.typeId() == QMetaType::QDate)
            return data.toDate().toString("dd/MM/yyyy");
        return data.toString();
    }
    default:
        return ValoreValido(valore, TipoTesto).toString();
    }
}
