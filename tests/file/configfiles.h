#pragma once

// Records and files for the tests of the configuration file.

#include "file/configreader.h"

#include <QDate>
#include <QList>

// The record of catalogue row `row` right after the model is chosen.
inline SwitchConfig modelConfig(int row)
{
    SwitchConfig config;
    loadConfigBytes(QByteArray(), row, config);
    return config;
}

inline QList<QByteArray> fileLines(const QByteArray &file)
{
    return file.split('\n');
}

inline const QDate kSaveDate(2024, 3, 7);
