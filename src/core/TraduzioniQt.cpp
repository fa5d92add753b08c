#include "TraduzioniQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool CaricaTraduzioniQt()
{
    static QTranslator *caricato = nullptr;
    if (caricato)
        return true;
    auto *traduttore = new QTranslator(QCoreApplication::instance());
    if (!traduttore->load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(traduttore)) {
        delete traduttore;
        return false;
    }
    caricato = traduttore;
    return true;
}
