// Colour names as the settings file may hold them: any text must be read without a crash, and
// whatever text reads as a colour must read as the same colour again once written back.

#include "settings/named_colors.h"

#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

using dutyloop::ColorFromName;
using dutyloop::ColorToName;

[[noreturn]] void Fail(const char* what, QStringView text, QRgb read, const QString& written) {
    std::fprintf(stderr, "%s\n  text: \"%s\"\n  read: #%08X\n  written: \"%s\"\n", what,
                 qPrintable(text.toString()), read, qPrintable(written));
    std::abort();
}

void CheckRoundTrip(QStringView text) {
    const std::optional<QRgb> read = ColorFromName(text);
    if (!read)
        return;
    const QString written = ColorToName(*read);
    const std::optional<QRgb> again = ColorFromName(written);
    if (!again)
        Fail("the written name does not read as a colour", text, *read, written);
    if (*again != *read)
        Fail("the written name reads as another colour", text, *read, written);
    if (ColorToName(*again) != written)
        Fail("the colour is written under two names", text, *read, written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // As the file's UTF-8 decodes: malformed bytes become replacement characters.
    CheckRoundTrip(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    // As raw UTF-16, which also reaches unpaired surrogates and every code unit near the
    // letters and digits the names and numbers are made of.
    QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * sizeof(char16_t));
    CheckRoundTrip(units);
    return 0;
}
