#pragma once

#include <QStringList>

// The fixed lists of the project's DestinatariIntervento row: the captions
// of its flags, in the order of their positions in the row.
namespace ElenchiFissi {

// The position of each group's first flag.
constexpr int PrimoDestinatario = 1;
constexpr int PrimoSettore = 29;
constexpr int PrimoCertificato = 54;

// The 19 target groups.
const QStringList &Destinatari();
// The 23 sectors, as the check boxes that choose them read.
const QStringList &Settori();
// The same sectors as the project's summary lists them: three of them with
// other spacing.
const QStringList &SettoriRiepilogo();
// The 8 certificates.
const QStringList &Certificati();

}  // namespace ElenchiFissi
