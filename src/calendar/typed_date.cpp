#include "calendar/typed_date.h"

#include <QString>

#include <array>

namespace dutyloop {

namespace {

enum class Part { Literal, Day, Month, Year };

// One piece of a date format: a number of one to `longest` digits, or a literal character.
struct Piece {
    Part part = Part::Literal;
    int shortest = 1;
    int longest = 1;
    QChar literal;
};

constexpr int kMostPieces = 16;

struct Pieces {
    std::array<Piece, kMostPieces> at{};
    int count = 0;
    bool numeric = true;
};

Pieces PiecesOf(QStringView format) {
    Pieces pieces;
    for (qsizetype i = 0; i < format.size() && pieces.count < kMostPieces;) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        Piece piece;
        // A day or month is typed with one digit or two, whatever the format pads it to.
        if (c == u'd' && run <= 2)
            piece = {Part::Day, 1, 2, {}};
        else if (c == u'M' && run <= 2)
            piece = {Part::Month, 1, 2, {}};
        else if (c == u'y' && (run == 2 || run == 4))
            piece = {Part::Year, static_cast<int>(run), static_cast<int>(run), {}};
        else if (c.isLetter() || c == u'\'')
            pieces.numeric = false;
        if (piece.part == Part::Literal) {
            for (qsizetype k = 0; k < run && pieces.count < kMostPieces; ++k)
                pieces.at[static_cast<std::size_t>(pieces.count++)] = {Part::Literal, 1, 1, c};
        } else {
            pieces.at[static_cast<std::size_t>(pieces.count++)] = piece;
        }
        i += run;
    }
    return pieces;
}

// A two-digit year is of this century; the calendar shows no other.
int FullYear(int year, int digits) {
    return digits == 2 ? 2000 + year : year;
}

TypedDate ReadInFormat(QStringView text, const Pieces& pieces) {
    int day = 0;
    int month = 0;
    int year = 0;
    qsizetype at = 0;
    for (int p = 0; p < pieces.count; ++p) {
        const Piece& piece = pieces.at[static_cast<std::size_t>(p)];
        if (at == text.size())
            return {TypedDate::State::Unfinished, {}};
        if (piece.part == Part::Literal) {
            if (text[at] != piece.literal)
                return {};
            ++at;
            continue;
        }
        int value = 0;
        int digits = 0;
        while (at < text.size() && digits < piece.longest && text[at].digitValue() >= 0) {
            value = value * 10 + text[at].digitValue();
            ++digits;
            ++at;
        }
        if (digits == 0)
            return {};
        // Too few digits stand where the next piece starts; at the end, more may still come.
        if (digits < piece.shortest && at < text.size())
            return {};
        if (digits < piece.shortest)
            return {TypedDate::State::Unfinished, {}};
        if (piece.part == Part::Day)
            day = value;
        else if (piece.part == Part::Month)
            month = value;
        else
            year = FullYear(value, piece.longest);
    }
    if (at != text.size())
        return {};
    return {TypedDate::State::Whole, QDate(year, month, day)};
}

// ISO's month and day always have two digits.
Pieces IsoPieces() {
    Pieces pieces = PiecesOf(u"yyyy-MM-dd");
    for (Piece& piece : pieces.at)
        piece.shortest = piece.longest;
    return pieces;
}

TypedDate ReadIso(QStringView text) {
    static const Pieces iso = IsoPieces();
    return ReadInFormat(text, iso);
}

} // namespace

bool IsNumericDateFormat(QStringView format) {
    const Pieces pieces = PiecesOf(format);
    bool day = false;
    bool month = false;
    bool year = false;
    for (int p = 0; p < pieces.count; ++p) {
        const Part part = pieces.at[static_cast<std::size_t>(p)].part;
        day |= part == Part::Day;
        month |= part == Part::Month;
        year |= part == Part::Year;
    }
    return pieces.numeric && day && month && year;
}

TypedDate ReadTypedDate(QStringView text, QStringView format) {
    const TypedDate inFormat = ReadInFormat(text, PiecesOf(format));
    if (inFormat.state == TypedDate::State::Whole)
        return inFormat;
    const TypedDate iso = ReadIso(text);
    return iso.state != TypedDate::State::Wrong ? iso : inFormat;
}

} // namespace dutyloop
