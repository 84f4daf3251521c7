#pragma once

#include "core/catalogue/productcatalogue.h"

#include <QtGlobal>

#include <array>
#include <tuple>

// PoE classes are 0..4. An unused entry of PortConfig::allowedPoEClasses
// holds kNoPoEClass.
constexpr int kPoEClassCount = 5;
constexpr quint8 kNoPoEClass = 0xFF;
// Every class, as the panel and the table write it; only this exact text
// opens the user-set PoE limit.
inline constexpr char kAllPoEClassesText[] = "0,1,2,3,4";
constexpr int kMaxClassesTextLength = int(sizeof kAllPoEClassesText) - 1;

// Stored values of PortConfig::speed.
constexpr quint8 kSpeed10 = 1;
constexpr quint8 kSpeed100 = 2;
constexpr quint8 kSpeedAuto = 3; // left to auto negotiation; written as kSpeed100

// The parameters of one port. Numeric fields hold the value written to the
// configuration file (speed 3, "auto", is the one exception: written as 2).
struct PortConfig
{
    quint8 flowControl = 0;
    quint8 adminState = 0;
    quint8 jumboFrames = 0;
    quint8 broadcastStormProtection = 0;
    quint8 broadcastStormThreshold = 0;
    quint8 multicastStormProtection = 0;
    quint8 multicastStormThreshold = 0;
    quint8 portQosTrustMode = 0;
    quint8 alarmLink = 0;
    quint8 autoNeg = 0;
    quint8 speed = 0; // 1 = 10 Mbit/s, 2 = 100 Mbit/s, 3 = left to auto negotiation
    quint8 duplexMode = 0; // 1 = half, 2 = full duplex
    quint8 autoCrossing = 0;
    quint8 mdiState = 0; // 0 = MDIX, 1 = MDI
    quint8 eee = 0;
    quint8 poeAdminState = 0;
    quint8 poePriority = 0; // 1 = low, 2 = high, 3 = critical
    std::array<quint8, 8> allowedPoEClasses {}; // class numbers in entry order, unused entries 0xFF
    quint16 vlanId = 0;
    quint8 portPriority = 0;
    quint16 allowedPoEOverride = 0; // user set PoE limit in watts
};

// Every field of a port, as == compares them: what undo and the
// unsaved-changes marker see. A new field belongs here too.
inline auto portTie(const PortConfig &p)
{
    return std::tie(p.flowControl, p.adminState, p.jumboFrames, p.broadcastStormProtection,
                    p.broadcastStormThreshold, p.multicastStormProtection,
                    p.multicastStormThreshold, p.portQosTrustMode, p.alarmLink, p.autoNeg, p.speed,
                    p.duplexMode, p.autoCrossing, p.mdiState, p.eee, p.poeAdminState, p.poePriority,
                    p.allowedPoEClasses, p.vlanId, p.portPriority, p.allowedPoEOverride);
}

bool operator==(const PortConfig &a, const PortConfig &b);
inline bool operator!=(const PortConfig &a, const PortConfig &b)
{
    return !(a == b);
}

// The one configuration the program edits: the model it is for, general
// information, global parameters, QoS tables and one PortConfig per port.
// Value-initialised it is all zero, with no model and no port.
struct SwitchConfig
{
    // The catalogue row of the model; -1 for none. Everything the model
    // decides (its ID, ports, kinds and traits) is read from that row.
    int modelIndex = -1;

    // General information; text buffers are zero-filled after the text.
    std::array<char, 8> fileRelease {}; // digits of xx.x.xx at bytes 0-1, 2, 3-4
    std::array<char, 100> contactName {};
    std::array<char, 100> location {};
    std::array<char, 9> componentId {}; // no terminating zero when all nine are used

    // Global parameters.
    quint8 psuAlarm1 = 0;
    quint8 psuAlarm2 = 0;
    quint32 agingTime = 0; // seconds, 0..1048575
    quint8 qosTrustMode = 0; // 0 untrusted, 1 802.1p, 2 IP DSCP
    std::array<quint8, 4> trafficClassScheme {};
    std::array<quint8, 8> dot1pTrafficClass {}; // by 802.1p priority
    std::array<quint8, 64> dscpTrafficClass {}; // by DSCP value

    std::array<PortConfig, kMaxPorts> ports {}; // entry p-1 for port p

    const ProductRecord &model() const { return catalogueRow(modelIndex); }
    // The ports of the model, never more than the record holds.
    int portCount() const { return qMin<int>(model().portCount, kMaxPorts); }
};

// Every field of the record, the same way.
inline auto configTie(const SwitchConfig &c)
{
    return std::tie(c.modelIndex, c.fileRelease, c.contactName, c.location, c.componentId,
                    c.psuAlarm1, c.psuAlarm2, c.agingTime, c.qosTrustMode, c.trafficClassScheme,
                    c.dot1pTrafficClass, c.dscpTrafficClass, c.ports);
}

bool operator==(const SwitchConfig &a, const SwitchConfig &b);
inline bool operator!=(const SwitchConfig &a, const SwitchConfig &b)
{
    return !(a == b);
}

// The defaults of the fields a reset refills that have no row of their own
// (the settings of the whole switch carry theirs, globalparameters.h).
struct SwitchDefaults
{
    std::array<char, 8> fileRelease {};
    PortConfig port; // speed is held as 2; the reset stores speed + 1
};

// The defaults for `model`: PoE ports are on by default only on models that
// have PoE.
SwitchDefaults buildDefaults(const ProductRecord &model);

// Refills everything but the model and trafficClassScheme with the defaults
// for the model the record is set up for.
void resetToDefaults(SwitchConfig &config);

// The record of catalogue row `index` with every default.
SwitchConfig defaultConfiguration(int index);
