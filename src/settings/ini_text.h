#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <utility>
#include <vector>

namespace dutyloop {

// The settings file is a profile (INI) file that people may also edit by hand or share with
// other tools, so these functions work on its raw bytes and never decode the whole file: a
// line that is not read or changed stays exactly as it was, whatever its encoding or line
// ending.
//
// How a line is understood:
// - Lines end with LF or CRLF; a lone CR inside a line is an ordinary byte.
// - Blanks are spaces and tabs.
// - A UTF-8 byte-order mark at the very start of the file is not part of the first line.
// - A line whose first non-blank byte is ';' is a comment.
// - "[name]", with blanks around it and around the name, starts the section "name".
// - Any other line holding '=' is a key line: "key=value", blanks around both dropped; the
//   value is everything after the first '=', so it may hold '=' itself. Quotes are kept.
// - Any other line is neither and is skipped.
// - Section and key names match ignoring the case of ASCII letters. Only the first section of
//   a name counts, and within it only the first line of a key; later duplicates are ignored,
//   both when reading and when writing.

// The longest value, in characters, that is ever read: a longer one is cut. Settings files
// written over the years hold values read only up to this length, so where one holds more, the
// rest was never part of the setting and stays ignored.
inline constexpr qsizetype kMaxIniValueCharacters = 2047;

// The value of `key` in `section`, cut to kMaxIniValueCharacters UTF-8 characters.
// Empty when the key is present with nothing after '='; nullopt when the section or the key
// is missing.
std::optional<QByteArray> IniValue(const QByteArray& text, QByteArrayView section,
                                   QByteArrayView key);

// The text with `key` in `section` set to `value`:
// - an existing key line keeps everything but its value, blanks and line ending included;
// - a missing key becomes a "key=value" line after the section's last key line (after its
//   header when it has none), so trailing blank lines and comments stay below;
// - a missing section is added as "[section]" and "key=value" at the end of the file.
// New lines end as the file's first line does (CRLF or LF; LF for a file without one).
// `value` must hold no CR or LF and neither start nor end with blanks, or it would not read
// back the same; the caller, who knows what the value means, decides what to do about that.
QByteArray WithIniValue(const QByteArray& text, QByteArrayView section, QByteArrayView key,
                        QByteArrayView value);

// Every key line of the first `section` of its name, in file order, as (key, value), each
// value cut as IniValue cuts it. A key repeated later in the section is left out, as it is
// never read.
std::vector<std::pair<QByteArray, QByteArray>> IniSectionValues(const QByteArray& text,
                                                                QByteArrayView section);

// The text without the lines of `key` in the first `section` of its name, its later
// duplicates included, so that no other line of the key comes to be read in its place. Every
// other byte stays.
QByteArray WithoutIniKey(const QByteArray& text, QByteArrayView section, QByteArrayView key);

// A flag stored as a whole number: blanks around it, an optional sign, then decimal digits or
// hexadecimal digits after "0x"/"0X", with nothing else. Any number other than zero is on;
// no arithmetic is done, so a number of any length is read. Anything else, empty text
// included, gives `defaultFlag`.
bool ParseFlag(const QByteArray& text, bool defaultFlag);

} // namespace dutyloop
