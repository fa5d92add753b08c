// Makes the section windows of this build known to the main window.
#include "Velkaro.h"

#ifdef HAS_section1
#include "Sezione1Form.h"
#endif
#ifdef HAS_section2
#include "Sezione2Form.h"
#endif
#ifdef HAS_section3
#include "Sezione3Form.h"
#endif
#ifdef HAS_section4
#include "Sezione4Form.h"
#endif

void RegistraSezioni()
{
#ifdef HAS_section1
    Velkaro::RegistraFinestra("Sezione1Form", [] { return new Sezione1Form; });
#endif
#ifdef HAS_section2
    Velkaro::RegistraFinestra("Sezione2Form", [] { return new Sezione2Form; });
#endif
#ifdef HAS_section3
    Velkaro::RegistraFinestra("Sezione3Form", [] { return new Sezione3Form; });
#endif
#ifdef HAS_section4
    Velkaro::RegistraFinestra("Sezione4Form", [] { return new Sezione4Form; });
#endif
}
