#include "config/generalfields.h"

#include "catalogue/productcatalogue.h"
#include "config/editorstate.h"
#include "config/textfields.h"
#include "ui_mainwindow.h"

#include <QIntValidator>
#include <QRegExpValidator>

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
    edit->setValidator(new QRegExpValidator(QRegExp(QLatin1String(pattern)), edit));
}

} // namespace

GeneralFields::GeneralFields(Ui::MainWindow *ui, EditorState &state)
    : m_ui(ui)
    , m_state(state)
{ }

void GeneralFields::installValidators()
{
    setPattern(m_ui->lineEdit_serialNumber, "[0-9]{0,9}");
    setPattern(m_ui->lineEdit_fileRelease, "[0-9]{1,2}\\.[0-9]{1,1}\\.[0-9]{1,2}");
    setPattern(m_ui->lineEdit_contactName, kContactNamePattern);
    setPattern(m_ui->lineEdit_location, kLocationPattern);
    setPattern(m_ui->lineEdit_componentId, "[A-Za-z0-9]{0,9}");
    m_ui->lineEdit_agingTime->setValidator(new AgingTimeValidator(m_ui->lineEdit_agingTime));

    setPattern(m_ui->lineEdit_allowedPoEClasses, "[0-4,-]{0,9}");
    m_ui->spinBox_broadcastStormThreshold->setRange(0, 100);
    m_ui->spinBox_multicastStormThreshold->setRange(0, 100);
    m_ui->spinBox_allowedPoEOverride->setRange(0, 13);
}

void GeneralFields::installToolTips()
{
    m_ui->lineEdit_serialFix->setToolTip(QObject::tr("Fixed serial number"));
    m_ui->lineEdit_serialNumber->setToolTip(QObject::tr("9 digit numeric"));
    m_ui->lineEdit_fileRelease->setToolTip(
        QObject::tr("Numeric and special character (.). Format xx.x.xx"));
    m_ui->lineEdit_contactName->setToolTip(
        QObject::tr("Upper and lower case english alphabets and special character (space only)"));
    m_ui->lineEdit_location->setToolTip(
        QObject::tr("Upper and lower case english alphabets, numeric and special characters "
                    "(space - / ( ) )"));
    m_ui->lineEdit_componentId->setToolTip(QObject::tr("Maximum 9 character alpha-numeric"));
    m_ui->comboBox_productSelection->setToolTip(QObject::tr("Select product"));
    m_ui->lineEdit_agingTime->setToolTip(
        QObject::tr("Only numerical value with maximum value 1048575"));

    m_ui->spinBox_broadcastStormThreshold->setToolTip(QObject::tr("% value"));
    m_ui->spinBox_multicastStormThreshold->setToolTip(QObject::tr("% value"));
    m_ui->lineEdit_allowedPoEClasses->setToolTip(
        QObject::tr("Numeric(0 to 4) and special character (,)"));
    m_ui->spinBox_allowedPoEOverride->setToolTip(
        QObject::tr("Numeric(0 to 13, 0 will be displayed as '-')"));
}

void GeneralFields::serialNumberEdited(const QString &text)
{
    m_state.serialPrefix = m_ui->lineEdit_serialFix->text() + QLatin1Char('-') + text;
}

void GeneralFields::fileReleaseEdited(const QString &text)
{
    applyFileReleaseEdit(m_state.config.fileRelease, text);
}

void GeneralFields::contactNameEdited(const QString &text)
{
    storeText(m_state.config.contactName, text);
}

void GeneralFields::locationEdited(const QString &text)
{
    storeText(m_state.config.location, text);
}

void GeneralFields::componentIdEdited(const QString &text)
{
    storeText(m_state.config.componentId, text);
}

void GeneralFields::agingTimeChanged(const QString &text)
{
    m_state.config.agingTime = agingTimeFromText(text);
    // Setting the normalised text runs this slot once more; the comparison
    // ends it there.
    const QString shown = QString::number(m_state.config.agingTime);
    if (m_ui->lineEdit_agingTime->text() != shown)
        m_ui->lineEdit_agingTime->setText(shown);
}

void GeneralFields::psuAlarmChanged(int supply, int index)
{
    if (index < 0)
        return; // an emptied combo box, not a choice
    quint8 &alarm = supply == 2 ? m_state.config.psuAlarm2 : m_state.config.psuAlarm1;
    alarm = quint8(index);
}

void GeneralFields::refresh()
{
    const SwitchConfig &config = m_state.config;
    m_ui->lineEdit_contactName->setText(readText(config.contactName));
    m_state.fileReleaseText = fileReleaseText(config.fileRelease);
    m_ui->lineEdit_fileRelease->setText(m_state.fileReleaseText);
    m_ui->lineEdit_location->setText(readText(config.location));
    m_ui->lineEdit_serialFix->setText(
        articleNumber(m_ui->comboBox_productSelection->currentIndex()));
    m_ui->comboBox_psuAlarm1->setCurrentIndex(config.psuAlarm1);
    m_ui->comboBox_psuAlarm2->setCurrentIndex(config.psuAlarm2);
    m_ui->lineEdit_agingTime->setText(QString::number(config.agingTime));
}

void GeneralFields::rebuildSerialPrefix()
{
    serialNumberEdited(m_ui->lineEdit_serialNumber->text());
}
