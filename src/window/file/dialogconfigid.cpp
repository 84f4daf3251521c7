#include "window/file/dialogconfigid.h"

#include "core/catalogue/productcatalogue.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The question keeps the room of three choices, the most a configuration ID
// had when it was drawn, so that it looks the same for one or two; those
// beyond the rows offered stay hidden.
constexpr int kChoiceRoom = 3;

} // namespace

DialogConfigID::DialogConfigID(const QVector<int> &rows, QWidget *parent)
    : QDialog(parent)
    , m_rows(rows)
{
    setObjectName(QStringLiteral("DialogConfigID"));
    resize(349, 209);
    setWindowTitle(tr("csv File"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    // Top to bottom, the order Tab follows: the question, each choice after
    // a stretch, and the buttons after a last one.
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->addStretch();
    auto *question = new QLabel(tr("Which csv file would you like to open?"), this);
    question->setObjectName(QStringLiteral("label_question"));
    layout->addWidget(question);
    for (int k = 0; k < qMax(kChoiceRoom, int(rows.size())); ++k) {
        auto *choice = new QRadioButton(this);
        choice->setObjectName(QStringLiteral("radioButton_choice%1").arg(k));
        connect(choice, &QRadioButton::clicked, this, [this, k] { radioButtonSelect(k); });
        if (k < rows.size())
            choice->setText(catalogueRow(rows[k]).modelName);
        choice->setVisible(k < rows.size());
        choice->setChecked(k == 0);
        layout->addStretch();
        layout->addWidget(choice, 0, Qt::AlignVCenter);
    }
    layout->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel | QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox_configId"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);
}

void DialogConfigID::radioButtonSelect(int select)
{
    m_choice = select;
}

// OK and Cancel both close the dialog through accept() and reject(); the
// load goes on with the row last chosen either way.
void DialogConfigID::on_buttonBox_configId_accepted() { }
void DialogConfigID::on_buttonBox_configId_rejected() { }
