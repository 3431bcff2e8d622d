// The settings file's reader and writer on any bytes: neither may crash, a written value must
// read back as written, writing it again must change nothing, and every other key must read
// as it did before.
//
// The input is the section, the key and the value, each ended by a single backslash (a doubled
// one stands for itself), then the file's text.

#include "settings/ini_text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using dutyloop::IniValue;
using dutyloop::kMaxIniValueCharacters;
using dutyloop::WithIniValue;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray TrimBlanks(QByteArray text) {
    while (!text.isEmpty() && IsBlank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

QByteArray Without(const std::string& raw, QByteArrayView dropped) {
    QByteArray kept;
    for (const char c : raw) {
        if (!dropped.contains(c))
            kept.append(c);
    }
    return kept;
}

// A section name fits between "[" and "]" on one line; blanks at its ends would be dropped.
QByteArray SectionName(const std::string& raw) {
    const QByteArray name = TrimBlanks(Without(raw, "\r\n"));
    return name.isEmpty() ? QByteArray("s") : name;
}

// A key name holds no '=' and does not begin like a comment (';') or a section header ('[').
QByteArray KeyName(const std::string& raw) {
    QByteArray name = TrimBlanks(Without(raw, "\r\n="));
    while (!name.isEmpty() && (name.front() == ';' || name.front() == '['))
        name = TrimBlanks(name.sliced(1));
    return name.isEmpty() ? QByteArray("k") : name;
}

// A value on one line, without blanks at its ends, no longer than a read returns.
QByteArray Value(const std::string& raw) {
    return TrimBlanks(Without(raw, "\r\n").left(kMaxIniValueCharacters));
}

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

QByteArray Shown(const std::optional<QByteArray>& value) {
    return value ? "\"" + value->toPercentEncoding(" =[];") + "\"" : QByteArray("(missing)");
}

[[noreturn]] void Fail(const char* what, const QByteArray& text, const QByteArray& written,
                       QByteArrayView section, QByteArrayView key) {
    std::fprintf(stderr,
                 "%s\n  section: \"%s\"\n  key: \"%s\"\n  text: \"%s\"\n  written: \"%s\"\n", what,
                 section.toByteArray().toPercentEncoding(" =[];").constData(),
                 key.toByteArray().toPercentEncoding(" =[];").constData(),
                 text.toPercentEncoding(" =[];").constData(),
                 written.toPercentEncoding(" =[];").constData());
    std::abort();
}

struct Pair {
    QByteArray section;
    QByteArray key;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QByteArray section = SectionName(input.ConsumeRandomLengthString());
    const QByteArray key = KeyName(input.ConsumeRandomLengthString());
    const QByteArray value = Value(input.ConsumeRandomLengthString());
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray text(rest.data(), static_cast<qsizetype>(rest.size()));

    // Keys in the written section, the written key in other sections, and the program's own.
    const std::vector<Pair> others{
        {section, "a"},
        {section, "b"},
        {section, "WorkAssign"},
        {"a", key},
        {"b", key},
        {"a", "a"},
        {"a", "b"},
        {"b", "a"},
        {"b", "b"},
        {"Config", "WorkAssign"},
        {"Config", "WeekStartsOnMonday"},
        {"Colors", "KPlt"},
        {"Colors", "BkGr"},
    };
    std::vector<std::optional<QByteArray>> before;
    for (const Pair& pair : others)
        before.push_back(IniValue(text, pair.section, pair.key));

    const QByteArray written = WithIniValue(text, section, key, value);

    const std::optional<QByteArray> readBack = IniValue(written, section, key);
    if (readBack != value)
        Fail(("the value reads back as " + Shown(readBack)).constData(), text, written, section,
             key);
    if (WithIniValue(written, section, key, value) != written)
        Fail("writing the same value again changes the text", text, written, section, key);
    for (std::size_t i = 0; i < others.size(); ++i) {
        const Pair& pair = others[i];
        if (SameName(pair.section, section) && SameName(pair.key, key))
            continue;
        const std::optional<QByteArray> after = IniValue(written, pair.section, pair.key);
        if (after != before[i])
            Fail(("another key changed: [" + pair.section + "] " + pair.key + " was " +
                  Shown(before[i]) + ", is " + Shown(after))
                     .constData(),
                 text, written, section, key);
    }
    return 0;
}
