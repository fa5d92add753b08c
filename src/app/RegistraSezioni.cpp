// Makes the section windows of this build known to the main window.
#include "Velkaro.h"

#ifdef HAS_section1
#include "Sezione1Form.h"
#endif
#ifdef HAS_section2
#include "Sezione2Form.h"
#endif

void RegistraSezioni()
{
#ifdef HAS_section1
    Velkaro::RegistraFinestra("Sezione1Form", [] { return new Sezione1Form; });
#endif
#ifdef HAS_section2
    Velkaro::RegistraFinestra("Sezione2Form", [] { return new Sezione2Form; });
#endif
}
