#pragma once

#include <QObject>

class QFrame;
class Sezione2Form;

// Stand-in until the list is built: its procedures do nothing yet.
class ElencoCommittenti : public QObject
{
    Q_OBJECT
public:
    ElencoCommittenti(Sezione2Form &form, QFrame *pagina) : QObject(nullptr), form_(form), pagina_(pagina) {}
    void ElencaCommittenti() {}
    void RegistraCommittenti() {}
    void AggiornaAnni([[maybe_unused]] const QString &primoAnno) {}

private:
    [[maybe_unused]] Sezione2Form &form_;
    [[maybe_unused]] QFrame *pagina_;
};
