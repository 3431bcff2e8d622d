#include "calendar/ical_component.h"

namespace dutyloop {

QByteArray IcalComponentText(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    // libical 3.0 folds a property's text with its closing CRLF: where the last line is full,
    // the fold falls before the CR or between the CR and the LF, which leaves an empty
    // continuation line or a lone CR. Both are taken out again.
    bytes.replace("\r\r\n \n", "\r\n");
    bytes.replace("\r\n \r\n", "\r\n");
    return bytes;
}

} // namespace dutyloop
