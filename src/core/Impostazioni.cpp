#include "Impostazioni.h"

#include "Globali.h"
#include "ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString cartellaScelta;
QString fileScelto;
constexpr int kLarghezzaCampo = 150;

}  // namespace

QString CartellaProgramma()
{
    if (!cartellaScelta.isEmpty())
        return cartellaScelta;
    return QCoreApplication::applicationDirPath();
}

void ImpostaCartellaProgramma(const QString &cartella)
{
    cartellaScelta = cartella;
}

QString FileImpostazioni()
{
    if (!fileScelto.isEmpty())
        return fileScelto;
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QDir::toNativeSeparators(CartellaProgramma() + "/" + base + ".ini");
}

void ImpostaFileImpostazioni(const QString &percorso)
{
    fileScelto = percorso;
}

QString PercorsoPredefinito()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Velkaro\\Formulario.Mdb");
#else
    return QDir::toNativeSeparators(CartellaProgramma() + "/Formulario.Mdb");
#endif
}

void LeggiPercorsoDB()
{
    const QString letto = ProfileFile(FileImpostazioni()).Read("Percorsi", "DataBase", PercorsoPredefinito());
    // The blanks around the value are not part of it; what remains is read
    // into a 150-character buffer that keeps its closing zero.
    PercorsoDB = letto.trimmed().left(kLarghezzaCampo - 1).trimmed();
}

void ScriviPercorsoDB()
{
    const QString campo = PercorsoDB.trimmed().left(kLarghezzaCampo).leftJustified(kLarghezzaCampo, ' ');
    ProfileFile(FileImpostazioni()).Write("Percorsi", "DataBase", campo);
}
