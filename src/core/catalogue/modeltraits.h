#pragma once

#include <QtGlobal>

// The bits of a model's portKindMask. The file keys are tested against the
// whole mask; the program itself asks only for PoE.
namespace PortKindBit {
constexpr quint8 TwistedPair = 0x02; // twisted-pair ports without PoE
constexpr quint8 PoE = 0x04;
constexpr quint8 AnyPort = 0x07;
} // namespace PortKindBit

// The bits of a model's portSpeedMask.
namespace PortSpeedBit {
constexpr quint8 Fast = 0x01; // 10/100 Mbit/s
constexpr quint8 Gigabit = 0x02; // 10/100/1000 Mbit/s
constexpr quint8 AnySpeed = 0x03;
} // namespace PortSpeedBit

// What sets a model apart beyond its port kinds and speeds. Each catalogue
// row lists its traits, so a new model with known traits is one new row.
namespace ModelTrait {
enum : quint8 {
    None = 0,
    PsuAlarms = 0x01, // the two power-supply alarm contacts
    LinkAlarm = 0x02, // an alarm contact for a lost link
    JumboFrames = 0x04, // jumbo frames can be switched per port
    Port1WithoutPoE = 0x08, // on a PoE model, port 1 has no PoE
};
} // namespace ModelTrait
