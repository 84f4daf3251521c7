#pragma once

#include "window/qos/mappingdialog.h"

struct SwitchConfig;

// Edits the 802.1p priority to traffic class table of a configuration.
class Dialog8021p : public MappingDialog
{
    Q_OBJECT

public:
    explicit Dialog8021p(SwitchConfig &config, QWidget *parent = nullptr);
};
