#pragma once

// Byte-buffer helpers for the tests of the record's text fields.

#include <QByteArray>

#include <array>
#include <cstddef>

// Bytes written with "_" for a zero byte.
inline QByteArray bytes(const char *pattern)
{
    return QByteArray(pattern).replace('_', '\0');
}

template<std::size_t N> QByteArray bytesOf(const std::array<char, N> &buffer)
{
    return QByteArray(buffer.data(), int(N));
}
