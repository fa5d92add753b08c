#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QObject>

class Sezione2Form;

// Stand-in until the list is built: its procedures do nothing yet.
class PaginaConsorzi : public QObject
{
    Q_OBJECT
public:
    PaginaConsorzi(Sezione2Form &form, QFrame *pagina) : QObject(nullptr), form_(form), pagina_(pagina)
    {
        Check5 = new QCheckBox("Il proponente è un consorzio", pagina);
        Check5->setObjectName("Check5");
    }
    // The consortium switch; its value is stored with the proposer as finilucro1.
    QCheckBox *Check5 = nullptr;
    void ElencaConsorzi() {}
    void RegistraConsorzi() {}
    void RiempeConsorzi() {}
    void AggiornaAnni([[maybe_unused]] const QString &primoAnno) {}

private:
    [[maybe_unused]] Sezione2Form &form_;
    [[maybe_unused]] QFrame *pagina_;
};
