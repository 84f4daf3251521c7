#include "window/config/generalfields.h"

#include "core/config/configeditor.h"
#include "core/config/textfields.h"
#include "ui_generalfields.h"
#include "window/ground/prompts.h"
#include "window/qos/dialog8021p.h"
#include "window/qos/dialogdscp.h"

#include <QIntValidator>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace {

// QIntValidator passes a number above its top as intermediate input as long
// as it has no more digits than the top, so 1999999 could be typed and
// stored. This one refuses any number that is already too large.
class AgingTimeValidator : public QIntValidator
{
public:
    explicit AgingTimeValidator(QObject *parent)
        : QIntValidator(0, int(kMaxAgingTime), parent)
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
    m_ui->lineEdit_serialFix->setEnabled(false);
    m_ui->label_componentId->hide();
    m_ui->lineEdit_componentId->hide();
    m_ui->label_fileRelease->hide();
    m_ui->lineEdit_fileRelease->hide();
    installValidators();
    installToolTips();
}

GeneralFields::~GeneralFields() = default;

void GeneralFields::installValidators()
{
    setPattern(m_ui->lineEdit_serialNumber, kSerialNumberPattern);
    setPattern(m_ui->lineEdit_fileRelease, "[0-9]{1,2}\\.[0-9]{1,1}\\.[0-9]{1,2}");
    setPattern(m_ui->lineEdit_contactName, kContactNamePattern);
    setPattern(m_ui->lineEdit_location, kLocationPattern);
    setPattern(m_ui->lineEdit_componentId, "[A-Za-z0-9]{0,9}");
    m_ui->lineEdit_agingTime->setValidator(new AgingTimeValidator(m_ui->lineEdit_agingTime));
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
    m_ui->lineEdit_agingTime->setToolTip(tr("Only numerical value with maximum value 1048575"));
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
        {ui->lineEdit_contactName, &ConfigEditor::setContactName},
        {ui->lineEdit_location, &ConfigEditor::setLocation},
        {ui->lineEdit_componentId, &ConfigEditor::setComponentId},
        {ui->lineEdit_fileRelease, &ConfigEditor::setFileRelease},
        {ui->lineEdit_agingTime, &ConfigEditor::setAgingTime},
    };
    for (const auto &[edit, setter] : texts)
        connect(edit, &QLineEdit::textEdited, editor, setter);
    connect(ui->comboBox_psuAlarm1, qOverload<int>(&QComboBox::activated), editor,
            [editor](int index) { editor->setPsuAlarm(1, index); });
    connect(ui->comboBox_psuAlarm2, qOverload<int>(&QComboBox::activated), editor,
            [editor](int index) { editor->setPsuAlarm(2, index); });
    connect(ui->comboBox_qosTrustMode, qOverload<int>(&QComboBox::activated), editor,
            &ConfigEditor::editTrustMode);
    connect(ui->pushButton_qosPMapping, &QPushButton::clicked, this,
            &GeneralFields::openDot1pDialog);
    connect(ui->pushButton_qosDscpMapping, &QPushButton::clicked, this,
            &GeneralFields::openDscpDialog);
}

void GeneralFields::showState(const EditorState &state)
{
    const SwitchConfig &config = state.config;
    Ui::GeneralFields *ui = m_ui.data();
    setIndexQuietly(ui->comboBox_productSelection, state.config.modelIndex);
    setTextIfChanged(ui->lineEdit_serialFix, articleNumber(state.config.modelIndex));
    setTextIfChanged(ui->lineEdit_serialNumber, state.serialNumber);
    setTextIfChanged(ui->lineEdit_contactName, readText(config.contactName));
    setTextIfChanged(ui->lineEdit_location, readText(config.location));
    setTextIfChanged(ui->lineEdit_fileRelease, fileReleaseText(config.fileRelease));
    setTextIfChanged(ui->lineEdit_componentId, readText(config.componentId));
    // Leading zeros go at once: typing 0, 3, 0, 0 ends as 300.
    setTextIfChanged(ui->lineEdit_agingTime, QString::number(config.agingTime));

    setIndexQuietly(ui->comboBox_psuAlarm1, config.psuAlarm1);
    setIndexQuietly(ui->comboBox_psuAlarm2, config.psuAlarm2);
    const QList<QWidget *> alarms = {ui->label_psuAlarm1, ui->label_psuAlarm2,
                                     ui->comboBox_psuAlarm1, ui->comboBox_psuAlarm2};
    for (QWidget *alarm : alarms)
        alarm->setEnabled(state.gating.psuAlarms);

    setIndexQuietly(ui->comboBox_qosTrustMode, state.panel.values.portQosTrustMode);
    const bool trustEditable = state.gating.isEditable(PortColumn::QosTrustMode);
    // "Thrust" is the label's object name, one other parts rely on; keep it.
    ui->label_qosThrustMode->setEnabled(trustEditable);
    ui->comboBox_qosTrustMode->setEnabled(trustEditable);
}

void GeneralFields::openDot1pDialog()
{
    // The dialog edits a copy; its OK writes the copy's table.
    SwitchConfig tables = m_editor->state().config;
    Dialog8021p dialog(tables);
    dialog.setModal(true);
    Prompts::exec(dialog);
    m_editor->setDot1pMapping(tables);
}

void GeneralFields::openDscpDialog()
{
    SwitchConfig tables = m_editor->state().config;
    DialogDSCP dialog(tables);
    dialog.setModal(true);
    Prompts::exec(dialog);
    m_editor->setDscpMapping(tables);
}
