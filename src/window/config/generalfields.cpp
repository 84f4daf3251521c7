#include "window/config/generalfields.h"

#include "core/config/configeditor.h"
#include "core/config/globalparameters.h"
#include "core/config/textfields.h"
#include "ui_generalfields.h"
#include "window/ground/prompts.h"
#include "window/qos/dialog8021p.h"
#include "window/qos/dialogdscp.h"
#include "window/qos/mappingdialoglook.h"

#include <QIntValidator>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace {

// QIntValidator passes a number above its top as intermediate input as long
// as it has no more digits than the top, so 1999999 could be typed and
// stored. This one refuses any number that is already too large.
class NumberValidator : public QIntValidator
{
public:
    NumberValidator(qint64 top, QObject *parent)
        : QIntValidator(0, int(top), parent)
    {
        // Plain digits only: no group separators from the user's locale.
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        setLocale(c);
    }

    State validate(QString &input, int &pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        if (state != Intermediate)
            return state;
        bool ok = false;
        const qlonglong value = locale().toLongLong(input, &ok);
        return ok && value > top() ? Invalid : state;
    }
};

void setPattern(QLineEdit *edit, const char *pattern)
{
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QLatin1String(pattern)), edit));
}

// Program changes keep the cursor where it is while the user types.
void setTextIfChanged(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void setIndexQuietly(QComboBox *combo, int index)
{
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);
}

} // namespace

GeneralFields::GeneralFields(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::GeneralFields)
{
    m_ui->setupUi(this);
    for (const ProductRecord &row : ProductCatalogue)
        m_ui->comboBox_productSelection->addItem(row.modelName);
    // The trust mode is the port parameter every port takes alike.
    m_ui->comboBox_qosTrustMode->addItems(portParameter(PortColumn::QosTrustMode)->items);
    m_ui->lineEdit_serialFix->setEnabled(false);
    m_ui->label_componentId->hide();
    m_ui->lineEdit_componentId->hide();
    m_ui->label_fileRelease->hide();
    m_ui->lineEdit_fileRelease->hide();
    bindGlobalRows();
    installValidators();
    installToolTips();
}

GeneralFields::~GeneralFields() = default;

void GeneralFields::bindGlobalRows()
{
    for (const FormRow &form : formRows(this, "globalParameter")) {
        // "KEY" or "KEY:INDEX", as a switch list names a setting.
        const QString key = form.name.section(QLatin1Char(':'), 0, 0);
        const GlobalParameter *parameter = globalParameterWithKey(key.toStdString());
        Q_ASSERT_X(parameter, "GeneralFields", "a widget names an unknown setting");
        if (!parameter)
            continue;
        const QString index = form.name.section(QLatin1Char(':'), 1);
        const GlobalRow row {parameter, index.isEmpty() ? parameter->minIndex : index.toInt(),
                             form};
        if (auto *combo = qobject_cast<QComboBox *>(form.editor))
            combo->addItems(globalPanelItems(*parameter));
        else if (auto *edit = qobject_cast<QLineEdit *>(form.editor)) {
            if (parameter->pattern)
                setPattern(edit, parameter->pattern);
            else
                edit->setValidator(new NumberValidator(parameter->maxValue, edit));
        }
        m_globalRows.append(row);
    }
}

void GeneralFields::installValidators()
{
    setPattern(m_ui->lineEdit_serialNumber, kSerialNumberPattern);
    setPattern(m_ui->lineEdit_fileRelease, "[0-9]{1,2}\\.[0-9]{1,1}\\.[0-9]{1,2}");
    setPattern(m_ui->lineEdit_componentId, "[A-Za-z0-9]{0,9}");
}

void GeneralFields::installToolTips()
{
    m_ui->lineEdit_serialFix->setToolTip(tr("Fixed serial number"));
    m_ui->lineEdit_serialNumber->setToolTip(tr("9 digit numeric"));
    m_ui->lineEdit_fileRelease->setToolTip(tr("Numeric and special character (.). Format xx.x.xx"));
    m_ui->lineEdit_contactName->setToolTip(
        tr("Upper and lower case english alphabets and special character (space only)"));
    m_ui->lineEdit_location->setToolTip(
        tr("Upper and lower case english alphabets, numeric and special characters "
           "(space - / ( ) )"));
    m_ui->lineEdit_componentId->setToolTip(tr("Maximum 9 character alpha-numeric"));
    m_ui->comboBox_productSelection->setToolTip(tr("Select product"));
    m_ui->lineEdit_agingTime->setToolTip(tr("Only numerical value with maximum value %1")
                                             .arg(globalParameter(GlobalId::AgingTime).maxValue));
}

void GeneralFields::setEditor(ConfigEditor *editor)
{
    m_editor = editor;
    connectFields();
}

void GeneralFields::connectFields()
{
    Ui::GeneralFields *ui = m_ui.data();
    ConfigEditor *editor = m_editor;
    connect(ui->comboBox_productSelection, qOverload<int>(&QComboBox::activated), this,
            [editor](int index) {
                // Picking the model already shown changes nothing.
                if (index != editor->state().config.modelIndex)
                    editor->selectModel(index);
            });
    // The texts react to the user's typing only.
    const std::pair<QLineEdit *, void (ConfigEditor::*)(const QString &)> texts[] = {
        {ui->lineEdit_serialNumber, &ConfigEditor::setSerialNumber},
        {ui->lineEdit_componentId, &ConfigEditor::setComponentId},
        {ui->lineEdit_fileRelease, &ConfigEditor::setFileRelease},
    };
    for (const auto &[edit, setter] : texts)
        connect(edit, &QLineEdit::textEdited, editor, setter);
    connect(ui->comboBox_qosTrustMode, qOverload<int>(&QComboBox::activated), editor,
            &ConfigEditor::editTrustMode);
    for (const GlobalRow &row : qAsConst(m_globalRows))
        connectGlobalRow(row);
}

void GeneralFields::connectGlobalRow(const GlobalRow &row)
{
    ConfigEditor *editor = m_editor;
    const int id = row.parameter->id;
    const int index = row.index;
    if (auto *combo = qobject_cast<QComboBox *>(row.widgets.editor)) {
        connect(combo, qOverload<int>(&QComboBox::activated), editor,
                [editor, id, index](int item) { editor->setGlobal(id, index, item); });
    } else if (auto *button = qobject_cast<QPushButton *>(row.widgets.editor)) {
        connect(button, &QPushButton::clicked, this, [this, id] { openMappingDialog(id); });
    } else if (auto *edit = qobject_cast<QLineEdit *>(row.widgets.editor)) {
        const GlobalParameter *parameter = row.parameter;
        connect(edit, &QLineEdit::textEdited, editor,
                [editor, parameter, index](const QString &text) {
                    if (parameter->text)
                        editor->setGlobalText(parameter->id, text);
                    else
                        editor->setGlobal(parameter->id, index,
                                          numberFromText(text, parameter->maxValue));
                });
    }
}

void GeneralFields::showState(const EditorState &state)
{
    const SwitchConfig &config = state.config;
    Ui::GeneralFields *ui = m_ui.data();
    setIndexQuietly(ui->comboBox_productSelection, config.modelIndex);
    setTextIfChanged(ui->lineEdit_serialFix, config.model().articleNumber);
    setTextIfChanged(ui->lineEdit_serialNumber, state.serialNumber);
    setTextIfChanged(ui->lineEdit_fileRelease, fileReleaseText(config.fileRelease));
    setTextIfChanged(ui->lineEdit_componentId, readText(config.componentId));

    for (const GlobalRow &row : qAsConst(m_globalRows)) {
        const GlobalParameter &parameter = *row.parameter;
        auto *edit = qobject_cast<QLineEdit *>(row.widgets.editor);
        if (parameter.text && edit) {
            setTextIfChanged(edit, readText(config.*parameter.text));
        } else if (parameter.read) {
            const qint64 value = parameter.read(config, parameter.positionOf(row.index));
            if (auto *combo = qobject_cast<QComboBox *>(row.widgets.editor))
                setIndexQuietly(combo, int(value));
            // Leading zeros go at once: typing 0, 3, 0, 0 ends as 300.
            else if (edit)
                setTextIfChanged(edit, QString::number(value));
        }
        setRowEnabled(row.widgets, parameter.isEditableOn(config.model()));
    }

    setIndexQuietly(ui->comboBox_qosTrustMode, state.panel.values.portQosTrustMode);
    const bool trustEditable = state.gating.isEditable(PortColumn::QosTrustMode);
    // "Thrust" is the label's object name, one other parts rely on; keep it.
    ui->label_qosThrustMode->setEnabled(trustEditable);
    ui->comboBox_qosTrustMode->setEnabled(trustEditable);
}

void GeneralFields::openMappingDialog(int id)
{
    // The dialog edits a copy; its OK writes the copy's table.
    SwitchConfig tables = m_editor->state().config;
    if (id == GlobalId::Dot1pMapping) {
        Dialog8021p dialog(tables);
        MappingDialogLook::useFont(dialog, m_ui->pushButton_qosPMapping->font());
        dialog.setModal(true);
        Prompts::exec(dialog);
    } else {
        DialogDSCP dialog(tables);
        MappingDialogLook::useFont(dialog, m_ui->pushButton_qosDscpMapping->font());
        dialog.setModal(true);
        Prompts::exec(dialog);
    }
    m_editor->setMapping(id, tables);
}
