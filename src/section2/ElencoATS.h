#pragma once

#include <QObject>

class QFrame;
class Sezione2Form;

// Stand-in until the list is built: its procedures do nothing yet.
class ElencoATS : public QObject
{
    Q_OBJECT
public:
    ElencoATS(Sezione2Form &form, QFrame *pagina) : QObject(nullptr), form_(form), pagina_(pagina) {}
    void ElencaATS() {}
    void RegistraATs() {}
    void Check4_Click([[maybe_unused]] bool checked) {}

private:
    [[maybe_unused]] Sezione2Form &form_;
    [[maybe_unused]] QFrame *pagina_;
};
