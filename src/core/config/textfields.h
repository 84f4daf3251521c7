#pragma once

#include <QString>

#include <array>
#include <cstddef>

// Storage rules of the general-information texts and typed numbers: how an
// edited text goes into the record's fixed byte buffers and how the widgets
// get it back.

// The digits typed after the article number. (What the "Contact" and
// "Location" fields admit is their rows' pattern; a loaded file may hold any
// text the record's buffer can take: the switch accepts it.)
inline constexpr char kSerialNumberPattern[] = "[0-9]{0,9}";

// Clears all `size` bytes, then stores the text one byte per character from
// byte 0 on; a character with a code of 256 or above is stored as 0, and
// characters beyond the buffer are dropped. A text as long as the buffer
// leaves no terminating zero.
void storeText(char *buffer, std::size_t size, const QString &text);

// The bytes up to the first zero or the end of the buffer, each byte one
// Latin-1 character: what storeText stored comes back unchanged.
QString readText(const char *buffer, std::size_t size);

template<std::size_t N> void storeText(std::array<char, N> &buffer, const QString &text)
{
    storeText(buffer.data(), N, text);
}

template<std::size_t N> QString readText(const std::array<char, N> &buffer)
{
    return readText(buffer.data(), N);
}

// Applies an edit of the file-release field (xx.x.xx) to its bytes: the
// groups present in the text overwrite bytes 0-1, 2 and 3-4; groups missing
// from the text keep their bytes, so half-typed input never loses the rest.
void applyFileReleaseEdit(std::array<char, 8> &fileRelease, const QString &text);

// The release as displayed: the digit bytes in order, with a "." before
// bytes 2 and 3. Non-digit bytes are skipped.
QString fileReleaseText(const std::array<char, 8> &fileRelease);

// The number a typed field stands for (the aging time): 0 for an empty text
// or one that is not a number, the number otherwise, capped at `largest` so
// that the record never holds a value the file cannot take.
qint64 numberFromText(const QString &text, qint64 largest);
