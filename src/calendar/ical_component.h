#pragma once

#include <QByteArray>

#include <libical/ical.h>

#include <memory>

namespace dutyloop {

// A libical component that frees itself, for every place that builds or parses iCalendar with
// libical.
struct IcalComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using IcalComponent = std::unique_ptr<icalcomponent, IcalComponentFree>;

// The component as libical writes it: lines ending in CRLF, folded at 75 octets.
QByteArray IcalComponentText(icalcomponent* component);

} // namespace dutyloop
