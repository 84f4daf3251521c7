#include "window/qos/dialogdscp.h"

#include "core/config/switchconfig.h"
#include "ui_dialogdscp.h"
#include "window/qos/mappingdialoglook.h"

#include <QComboBox>

namespace {

// Found by name, as in the 802.1p dialog: "comboBox_tc" and the DSCP value.
QComboBox *dscpCombo(const QDialog *dialog, int dscp)
{
    return dialog->findChild<QComboBox *>(QStringLiteral("comboBox_tc%1").arg(dscp));
}

} // namespace

DialogDSCP::DialogDSCP(SwitchConfig &config, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DialogDSCP)
    , m_config(config)
{
    ui->setupUi(this);
    MappingDialogLook::apply(*this, ui->gridLayoutWidget_2, ui->buttonBox);
    setWindowTitle(tr("IP DSCP Mapping"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    for (int i = 0; i < int(m_config.dscpTrafficClass.size()); ++i) {
        if (QComboBox *combo = dscpCombo(this, i))
            combo->setCurrentIndex(m_config.dscpTrafficClass[i]);
    }
}

DialogDSCP::~DialogDSCP() = default;

void DialogDSCP::on_buttonBox_accepted()
{
    for (int i = 0; i < int(m_config.dscpTrafficClass.size()); ++i) {
        if (QComboBox *combo = dscpCombo(this, i))
            m_config.dscpTrafficClass[i] = quint8(combo->currentIndex());
    }
}
