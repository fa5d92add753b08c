#include "ElenchiFissi.h"

namespace ElenchiFissi {

const QStringList &Destinatari()
{
    static const QStringList elenco = {
        "Occupati Lavoratori Dipendenti",
        "Disoccupati/Inoccupati",
        "Disoccupati senza Titoli di Studio o Qualifica Professionale",
        "Disoccupati con Titoli di Studio o Qualifica Professionale debole",
        "Apprendisti",
        "Assunti con C.F.L.",
        "Personale in mobilità",
        "C.I.G.",
        "Giovani (con meno di 25 anni)",
        "Adulti (con più di 25 anni)",
        "Laureati (con meno di 27 anni)",
        "Dipendenti P.M.I.",
        "Lavoratori Autonomi",
        "Donne Occupate",
        "Donne Disoccupate",
        "Portatori di Handicap",
        "Detenuti/ ExDetenuti",
        "Ex Tossicodipendenti",
        "Migranti / Immigrati",
    };
    return elenco;
}

const QStringList &Settori()
{
    static const QStringList elenco = {
        "Agricoltura",
        "Ambiente",
        "Alberghierato e Ristorazione",
        "Amministrazione/Lavori d'ufficio",
        "Artigianato",
        "Attività promozionale/Pubblicità",
        "Beni Culturali",
        "Commercio",
        "Credito ed Assicurazione",
        "Elettricità/Elettronica",
        "Edilizia",
        "Gestione Aziendale",
        "Sanità",
        "Informatica",
        "Industria",
        "Pesca ed Acquacultura",
        "Ricerca",
        "Grafica, Fotografia, Cartotecnica, Poligrafia",
        "Socio-Assistenziale",
        "Spettacolo, Sport e Musica",
        "Trasporti e Spedizioni",
        "Terziario",
        "Turismo",
    };
    return elenco;
}

const QStringList &SettoriRiepilogo()
{
    static const QStringList elenco = [] {
        QStringList settori = Settori();
        settori[5] = "Attività promozionale / Pubblicità";
        settori[17] = "Grafica , Fotografia, Cartotecnica, Poligrafia";
        settori[18] = "Socio -Assistenziale";
        return settori;
    }();
    return elenco;
}

const QStringList &Certificati()
{
    static const QStringList elenco = {
        "Certificato di Qualifica Professionale",
        "Certificato di Specializzazione",
        "Certificato di Qualifica Superiore",
        "Diploma di Specializzazione",
        "Certificato di Competenze",
        "Attestato di Abilitazione",
        "Attestato di Frequenza",
        "Dichiarazione di Competenza",
    };
    return elenco;
}

}  // namespace ElenchiFissi
