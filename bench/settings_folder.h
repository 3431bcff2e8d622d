#pragma once

#include <QTemporaryDir>
#include <memory>

namespace dutyloop::bench {

// A configuration folder of its own holding a settings file for crew "5 TFS", so the window
// starts on the calendar with its duty colours, as it does for a user who has saved once. The
// user's own settings are never read or touched.
std::unique_ptr<QTemporaryDir> FolderWithCrewSettings();

} // namespace dutyloop::bench
