#include "CaselleFinestra.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

QString CaselleFinestra::Testo(const QString &casella) const
{
    if (!finestra_)
        return QString();
    if (const auto *box = finestra_->findChild<QLineEdit *>(casella))
        return box->text();
    if (const auto *box = finestra_->findChild<QPlainTextEdit *>(casella))
        return box->toPlainText();
    return QString();
}

QStringList CaselleFinestra::Voci(const QString &lista) const
{
    QStringList voci;
    const auto *list = finestra_ ? finestra_->findChild<QListWidget *>(lista) : nullptr;
    if (!list)
        return voci;
    for (int i = 0; i < list->count(); ++i)
        voci << list->item(i)->text();
    return voci;
}
