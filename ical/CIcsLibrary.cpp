#include "ical/CIcsLibrary.h"

extern "C" {
#include <libical/ical.h>
}

void CIcsLibrary::Prepare()
{
    static const bool prepared = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    (void)prepared;
}
