#pragma once

#include "window/qos/mappingdialog.h"

struct SwitchConfig;

// Edits the DSCP to traffic class table of a configuration.
class DialogDSCP : public MappingDialog
{
    Q_OBJECT

public:
    explicit DialogDSCP(SwitchConfig &config, QWidget *parent = nullptr);
};
