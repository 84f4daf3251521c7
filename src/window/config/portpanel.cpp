#include "window/config/portpanel.h"

#include "core/config/configeditor.h"
#include "core/config/portparameters.h"
#include "ui_portpanel.h"
#include "window/config/formrows.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOption>

#include <memory>
#include <vector>

namespace {

constexpr int kSpeedAutoItem = 2; // "-": speed left to auto negotiation

// The grid would give the field no more than its small minimum; it must
// show every class at once in whatever font the desk uses.
void fitToLongestClassList(QLineEdit *edit)
{
    constexpr int kTextMargins = 2 * 2 + 2; // QLineEdit's own margins and the cursor
    const QFontMetrics metrics = edit->fontMetrics();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QSize text(metrics.horizontalAdvance(QLatin1String(kAllPoEClassesText)) + kTextMargins,
                     metrics.height());
    edit->setMinimumWidth(
        edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, edit).width());
}

} // namespace

PortPanel::PortPanel(QWidget *parent)
    : QGroupBox(parent)
    , m_ui(new Ui::PortPanel)
{
    m_ui->setupUi(this);
    bindRows();
    Ui::PortPanel *ui = m_ui.data();

    ui->lineEdit_allowedPoEClasses->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-4,-]{0,9}")), this));
    ui->lineEdit_allowedPoEClasses->setToolTip(tr("Numeric(0 to 4) and special character (,)"));
    fitToLongestClassList(ui->lineEdit_allowedPoEClasses);
    // The items and ranges are the port parameters'.
    for (const Row &row : qAsConst(m_rows)) {
        const PortParameter *parameter = portParameter(row.column);
        if (auto *combo = qobject_cast<QComboBox *>(row.widgets.editor))
            combo->addItems(parameter->items);
        else if (auto *spin = qobject_cast<QSpinBox *>(row.widgets.editor))
            spin->setRange(int(parameter->minValue), int(parameter->maxValue));
    }
    ui->spinBox_broadcastStormThreshold->setToolTip(tr("% value"));
    ui->spinBox_multicastStormThreshold->setToolTip(tr("% value"));
    ui->spinBox_allowedPoEOverride->setToolTip(tr("Numeric(0 to 13, 0 will be displayed as '-')"));
    ui->spinBox_allowedPoEOverride->setSpecialValueText(QStringLiteral("-"));

    // "-" is shown while auto negotiation chooses the speed; the user never
    // picks it.
    auto *speeds = qobject_cast<QStandardItemModel *>(ui->comboBox_speed->model());
    if (QStandardItem *item = speeds ? speeds->item(kSpeedAutoItem) : nullptr)
        item->setFlags(Qt::NoItemFlags);
}

PortPanel::~PortPanel() = default;

void PortPanel::bindRows()
{
    // The form names the parameter each of its widgets shows by file key,
    // in the widget's "portParameter" property.
    for (const FormRow &form : formRows(this, "portParameter")) {
        const PortParameter *parameter = portParameterWithKey(form.name.toStdString());
        Q_ASSERT_X(parameter, "PortPanel", "a widget names an unknown port parameter");
        if (parameter)
            m_rows.append({parameter->column, form});
    }
}

void PortPanel::setEditor(ConfigEditor *editor)
{
    m_editor = editor;
    connectRows();
}

void PortPanel::connectRows()
{
    // Only the user's changes reach the editor: combo boxes report picks
    // (also of the item already shown), and the widgets are filled with
    // their signals blocked.
    for (const Row &row : qAsConst(m_rows)) {
        const int column = row.column;
        if (auto *combo = qobject_cast<QComboBox *>(row.widgets.editor)) {
            connect(combo, qOverload<int>(&QComboBox::activated), this, [this, column](int index) {
                m_editor->editPort(column, storedFromPanelIndex(column, index));
            });
        } else if (auto *spin = qobject_cast<QSpinBox *>(row.widgets.editor)) {
            connect(spin, qOverload<int>(&QSpinBox::valueChanged), this,
                    [this, column](int value) { m_editor->editPort(column, value); });
        }
    }
    connect(m_ui->lineEdit_allowedPoEClasses, &QLineEdit::textEdited, this,
            &PortPanel::classesEdited);
}

void PortPanel::classesEdited(const QString &text)
{
    const QString shown = m_editor->editClasses(text);
    QLineEdit *field = m_ui->lineEdit_allowedPoEClasses;
    if (field->text() != shown) {
        const QSignalBlocker quiet(field);
        field->setText(shown);
    }
}

void PortPanel::showState(const EditorState &state)
{
    const PortConfig &values = state.panel.values;
    const PanelGating &gating = state.gating;

    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (const Row &row : qAsConst(m_rows))
        quiet.push_back(std::make_unique<QSignalBlocker>(row.widgets.editor));

    for (const Row &row : qAsConst(m_rows)) {
        const int column = row.column;
        int value = portFieldValue(values, column);
        if (gating.poePlaceholders &&
            (column == PortColumn::PoeAdminState || column == PortColumn::PoePriority))
            value = storedFromPanelIndex(column, 0);
        if (column == PortColumn::AllowedPoEOverride && gating.limitShowsZero)
            value = 0;

        if (auto *combo = qobject_cast<QComboBox *>(row.widgets.editor))
            combo->setCurrentIndex(panelIndexFromStored(column, value));
        else if (auto *spin = qobject_cast<QSpinBox *>(row.widgets.editor))
            spin->setValue(value);
        setRowEnabled(row.widgets, gating.isEditable(column));
    }

    const QString classes =
        gating.classesPlaceholder ? QStringLiteral("-") : state.panel.classesText;
    if (m_ui->lineEdit_allowedPoEClasses->text() != classes)
        m_ui->lineEdit_allowedPoEClasses->setText(classes);

    const QList<QWidget *> info = {m_ui->label_allowedPoEOverride_info,
                                   m_ui->label_allowedPoEOverride_info2,
                                   m_ui->toolButton_allowedPoEOverride_info};
    for (QWidget *widget : info)
        widget->setVisible(gating.poeLimitInfo);
    m_ui->toolButton_allowedPoEOverride_info->setEnabled(gating.poeLimitInfo);
}
