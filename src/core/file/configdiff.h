#pragma once

#include "core/catalogue/productcatalogue.h"
#include "core/config/switchconfig.h"
#include "core/file/configreader.h"

#include <QString>
#include <QVector>

#include <string_view>

// What differs between two configurations, setting by setting, in the words
// and values the window, the port table and the report use. Two models are
// compared on the settings both have: the file keys both accept, and the
// ports both have. The creation date and the line count are not settings.

struct ConfigDifference
{
    QString setting; // "Speed", "Aging Time [s]", "QoS DSCP Mapping, DSCP Value 46"
    int port = 0; // 1-based; 0 for a setting of the whole switch
    QString first; // the value in the first configuration, as a user reads it
    QString second;
    std::string_view key; // the file key of the setting
    int index = 0; // its index in the file
};

// Every setting whose value differs, the switch-wide ones first, then port
// by port in the port table's column order. A configuration read from a
// file comes with the settings its accepted lines set (`firstRead`,
// `secondRead`); only those are compared, so a rejected or missing line is
// no difference. nullptr stands for a configuration that holds every
// setting, such as the one being edited.
QVector<ConfigDifference> configDifferences(const SwitchConfig &first, const SwitchConfig &second,
                                            const SettingsRead *firstRead = nullptr,
                                            const SettingsRead *secondRead = nullptr);

// "1 setting differs", "12 settings differ", "The configurations are identical".
QString differenceSummary(int count);

// The differences as tab-separated text: a head line of the four column
// titles, then one line per difference (setting, port or nothing, values).
QString differencesText(const QVector<ConfigDifference> &differences, const QString &firstTitle,
                        const QString &secondTitle);
