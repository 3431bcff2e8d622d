#include "app/platform/platform.h"

namespace dutyloop {

Platform SystemPlatform() {
    return Platform{[] { return QDate::currentDate(); }, QLocale::system()};
}

} // namespace dutyloop
