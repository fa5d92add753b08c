#include "Velkaro.h"

#include <QApplication>
#include <QFont>

void RegistraSezioni();

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont("DejaVu Sans", 8));
    RegistraSezioni();
    Velkaro finestra;
    finestra.show();
    finestra.Introduzione_Click();
    return app.exec();
}
