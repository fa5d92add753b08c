#pragma once

#include <QString>

// The program's folder: the settings file, the shipped database and the
// templates live there. Tests may point it elsewhere.
QString CartellaProgramma();
void ImpostaCartellaProgramma(const QString &cartella);
// The settings file: the program's folder, the executable's base name, ".ini".
QString FileImpostazioni();
void ImpostaFileImpostazioni(const QString &percorso);
// The database path used when the settings file holds none.
QString PercorsoPredefinito();

// Sets PercorsoDB from key "DataBase" of section "Percorsi".
void LeggiPercorsoDB();
// Stores PercorsoDB, left-aligned in a 150-character field.
void ScriviPercorsoDB();
