#pragma once

#include <QByteArray>
#include <QString>

// What mestrel-check prints comes partly from the files it reads, and a
// file may hold anything: escape sequences that would drive the user's
// terminal, bytes that are no character at all, megabytes on one line.
// These turn such text into something a terminal only shows.

// `text` with every character a terminal would not simply show written as
// an escape: "\x1b" for a control character or a byte that is not a
// printable character, "\u2028" above, "\\" for the backslash itself.
// Printable Latin-1 letters stay as they are.
QString terminalSafe(const QString &text);

// A field of a file's line, cut at 200 characters with "…" as the window's
// cells cut it, then made terminal-safe.
QString terminalField(const QString &text);

// The bytes to print for terminal-safe text: UTF-8 where the locale uses
// it; otherwise everything outside ASCII escaped as well.
QByteArray terminalBytes(const QString &safeText);

// JSON text with the characters JSON allows unescaped but a terminal takes
// as controls (DEL and the C1 range U+0080..U+009F) written as \u escapes.
// The document stays the same JSON.
QByteArray terminalSafeJson(const QByteArray &json);
