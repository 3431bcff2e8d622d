#pragma once

// Bytes for the tests of files that may hold anything.

#include <QByteArray>
#include <QRandomGenerator>

#include <string_view>

// Byte strings that may hold NUL bytes, which a plain string literal would end at.
inline QByteArray Bytes(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline QByteArray RandomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}
