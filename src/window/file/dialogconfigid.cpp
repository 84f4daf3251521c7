#include "window/file/dialogconfigid.h"

#include "core/catalogue/productcatalogue.h"
#include "ui_dialogconfigid.h"

DialogConfigID::DialogConfigID(int configId, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DialogConfigID)
{
    m_ui->setupUi(this);
    setWindowTitle(tr("csv File"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    QRadioButton *const choices[] = {m_ui->radioButton_choice0, m_ui->radioButton_choice1,
                                     m_ui->radioButton_choice2};
    const int first = firstRowWithConfigId(configId);
    const int count = first < 0 ? 0 : rowCountWithConfigId(configId);
    for (int k = 0; k < 3; ++k) {
        QRadioButton *choice = choices[k];
        connect(choice, &QRadioButton::clicked, this, [this, k] { radioButtonSelect(k); });
        if (k < count)
            choice->setText(catalogueRow(first + k).modelName);
        choice->setVisible(k < count);
    }
    choices[0]->setChecked(true);
}

DialogConfigID::~DialogConfigID() = default;

void DialogConfigID::radioButtonSelect(int select)
{
    m_choice = select;
}

// OK and Cancel both close the dialog through accept() and reject(); the
// load goes on with the row last chosen either way.
void DialogConfigID::on_buttonBox_configId_accepted() { }
void DialogConfigID::on_buttonBox_configId_rejected() { }
