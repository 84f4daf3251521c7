#include "window/qos/dialog8021p.h"

#include "core/config/switchconfig.h"
#include "ui_dialog8021p.h"
#include "window/qos/mappingdialoglook.h"

#include <QComboBox>

namespace {

// The combo boxes are found by name: the names are the dialog's interface,
// not the generated members.
QComboBox *priorityCombo(const QDialog *dialog, int priority)
{
    return dialog->findChild<QComboBox *>(QStringLiteral("comboBox_tcVlan%1").arg(priority));
}

} // namespace

Dialog8021p::Dialog8021p(SwitchConfig &config, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Dialog8021p)
    , m_config(config)
{
    ui->setupUi(this);
    MappingDialogLook::apply(*this, ui->gridLayoutWidget, ui->buttonBox);
    setWindowTitle(tr("QoS 802.1 D/p Mapping"));
    // A close button only, no context help.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    for (int i = 0; i < int(m_config.dot1pTrafficClass.size()); ++i) {
        if (QComboBox *combo = priorityCombo(this, i))
            combo->setCurrentIndex(m_config.dot1pTrafficClass[i]);
    }
}

Dialog8021p::~Dialog8021p() = default;

void Dialog8021p::on_buttonBox_accepted()
{
    for (int i = 0; i < int(m_config.dot1pTrafficClass.size()); ++i) {
        if (QComboBox *combo = priorityCombo(this, i))
            m_config.dot1pTrafficClass[i] = quint8(combo->currentIndex());
    }
}

void Dialog8021p::on_buttonBox_rejected() { }
