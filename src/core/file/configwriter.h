#pragma once

#include "core/config/globalparameters.h"

#include <QByteArray>
#include <QString>

class QDate;
class QIODevice;

// The free texts the file carries besides the record: what the "Contact"
// and "Location" fields show.
struct ConfigFileTexts
{
    QString contactName;
    QString location;

    // The text of the free-text row `id`: GlobalId::ContactName or Location.
    const QString &of(int id) const { return id == GlobalId::ContactName ? contactName : location; }
    QString &of(int id) { return id == GlobalId::ContactName ? contactName : location; }

    // The texts `config` holds, as the fields show them.
    static ConfigFileTexts fromRecord(const SwitchConfig &config);
};

// The configuration file for `config`: one "key,index,value" line per
// setting, key after key with every port of a per-port key together, only
// the keys the model knows, and a last "file.end" line, without line feed,
// that counts the lines. `date` is the creation date it records.
QByteArray configFileBytes(const SwitchConfig &config, const ConfigFileTexts &texts,
                           const QDate &date);

// Writes that file to an open device. False, with the device's error text
// in `error`, when the device took less than all of it.
bool writeConfigTo(QIODevice &device, const SwitchConfig &config, const ConfigFileTexts &texts,
                   const QDate &date, QString *error = nullptr);
