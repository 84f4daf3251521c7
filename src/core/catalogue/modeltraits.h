#pragma once

#include <QtGlobal>

// The bits of a model's portKindMask. The file keys are tested against the
// whole mask, each key with the kinds it is written for.
namespace PortKindBit {
constexpr quint8 Marker1 = 0x01; // set on the second 26-port row; no key tests it alone
constexpr quint8 TwistedPair = 0x02; // twisted-pair ports without PoE
constexpr quint8 PoE = 0x04; // twisted-pair ports with PoE
constexpr quint8 Marker8 = 0x08; // set on the compact family; no key tests it
constexpr quint8 AnyPort = Marker1 | TwistedPair | PoE;
} // namespace PortKindBit

// The bits of a model's portSpeedMask.
namespace PortSpeedBit {
constexpr quint8 Fast = 0x01; // 10/100 Mbit/s
constexpr quint8 Gigabit = 0x02; // 10/100/1000 Mbit/s
constexpr quint8 AnySpeed = Fast | Gigabit;
} // namespace PortSpeedBit

// What sets a model apart beyond its port kinds and speeds. Each catalogue
// row lists its traits, so a new model with known traits is one new row.
namespace ModelTrait {
enum : quint8 {
    None = 0,
    PsuAlarms = 0x01, // the two power-supply alarm contacts
    LinkAlarm = 0x02, // an alarm contact for a lost link
    JumboFrames = 0x04, // jumbo frames can be switched per port
};
} // namespace ModelTrait

// The housing a model is built in: the larger family with its alarm
// contacts, or the compact one. Only the product pictures tell them apart.
enum class Housing : quint8 {
    Rail,
    Compact,
};
