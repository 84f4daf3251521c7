#pragma once

#include "config/switchconfig.h"

#include <QString>

// Everything the editor holds besides its widgets: the configuration being
// edited and the texts and load results kept beside it. The main window owns
// one; editors, dialogs and the file code work on it by reference.
struct EditorState
{
    SwitchConfig config;
    // The serial number as shown: article number, "-", the typed digits.
    QString serialPrefix;
    // The file release as displayed, rebuilt from config.fileRelease.
    QString fileReleaseText;
    // Set by a load that rejected lines; counts the lines read.
    bool loadHadErrors = false;
    int lineCounter = 0;
};
