#include "Globali.h"
#include "TraduzioniQt.h"
#include "Velkaro.h"

#include <QApplication>
#include <QFont>

void RegistraSezioni();

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont("DejaVu Sans", 8));
    CaricaTraduzioniQt();
    RegistraSezioni();
    Velkaro finestra;
    finestra.show();
    finestra.Introduzione_Click();
    const int esito = app.exec();
    // The database goes while the application, and with it the registry of
    // database connections, is still there.
    ChiudiDatabase();
    return esito;
}
