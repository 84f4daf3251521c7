#pragma once

#include "core/config/switchconfig.h"

#include <QString>

#include <string_view>

// Typing rules of the allowed-PoE-classes field: digits come out as a
// comma-separated list of distinct classes 0..4, at most "0,1,2,3,4".
struct ClassesEdit
{
    enum Outcome {
        Ignore, // empty text: leave the stored classes as they are
        Accept, // the text stands as typed
        Replace, // the field must show `text` instead
    };
    Outcome outcome = Ignore;
    QString text;
};

// Decides what becomes of `text` after an edit; `lastAccepted` is the text
// the field last accepted.
ClassesEdit normalizeClassesText(const QString &text, const QString &lastAccepted);

// Applies the typing rules until the text settles: a replacement that the
// rules would change again (a digit typed straight after a digit becomes
// "d,d" and is then accepted) is followed through. The outcome is Accept or
// Ignore, with the text the field shows in the end.
ClassesEdit settleClassesText(const QString &typed, const QString &lastAccepted);

// Whether all five classes are allowed, whatever their order.
bool allClassesAllowed(const std::array<quint8, 8> &classes);

// The classes marked in entries 0..4, ascending and distinct ("1,3").
QString sortedClassesText(const std::array<quint8, 8> &classes);

// The entries among the first five that are in use, in stored order, with
// `separator` between them: "3,1" as the table shows them, "31" as a file
// carries them.
QString storedClassesText(const std::array<quint8, 8> &classes,
                          const QString &separator = QStringLiteral(","));

// The list for a text: entry k takes part k of the text split at ","
// (an empty or non-numeric part gives 0), the other entries are unused.
std::array<quint8, 8> classesFromText(const QString &text);

// The list a file's class digits name ("31"): each class once, in class
// order; other characters name none.
std::array<quint8, 8> classesFromDigits(std::string_view digits);
