// Makes the section windows known to the main window.
#include "Sezione1Form.h"
#include "Sezione2Form.h"
#include "Sezione3Form.h"
#include "Sezione4Form.h"
#include "Velkaro.h"

void RegistraSezioni()
{
    Velkaro::RegistraFinestra("Sezione1Form", [] { return new Sezione1Form; });
    Velkaro::RegistraFinestra("Sezione2Form", [] { return new Sezione2Form; });
    Velkaro::RegistraFinestra("Sezione3Form", [] { return new Sezione3Form; });
    Velkaro::RegistraFinestra("Sezione4Form", [] { return new Sezione4Form; });
}
