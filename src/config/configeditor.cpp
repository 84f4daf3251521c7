#include "config/configeditor.h"

#include "config/portselection.h"
#include "config/textfields.h"

ConfigEditor::ConfigEditor(QObject *parent)
    : QObject(parent)
{
    ::selectModel(m_state, 0);
}

void ConfigEditor::setState(const EditorState &state)
{
    m_state = state;
    emit stateReset();
}

void ConfigEditor::selectModel(int index)
{
    ::selectModel(m_state, index);
    emit stateReset();
}

void ConfigEditor::newConfiguration()
{
    resetConfiguration(m_state);
    emit stateReset();
}

void ConfigEditor::clickPort(int port)
{
    ::clickPort(m_state, port);
    emit selectionChanged();
}

void ConfigEditor::controlClickPort(int port)
{
    ::controlClickPort(m_state, port);
    emit selectionChanged();
}

void ConfigEditor::selectAllPorts()
{
    ::selectAllPorts(m_state);
    emit selectionChanged();
}

void ConfigEditor::deselectAllPorts()
{
    ::deselectAllPorts(m_state);
    emit selectionChanged();
}

void ConfigEditor::selectTableRow(int row)
{
    selectSinglePort(m_state, row);
    emit selectionChanged();
}

void ConfigEditor::editPort(int column, int value)
{
    emit portsChanged(::editPort(m_state, column, value));
}

void ConfigEditor::editTrustMode(int mode)
{
    emit portsChanged(::editTrustMode(m_state, mode));
}

QString ConfigEditor::editClasses(const QString &typed)
{
    const ClassesEditResult result = ::editClasses(m_state, typed);
    emit portsChanged(result.changed);
    return result.shownText;
}

bool ConfigEditor::editTableCell(int row, int column, const QString &text)
{
    PortSet changed = 0;
    const bool accepted = ::editTableCell(m_state, row, column, text, &changed);
    // The row is selected either way.
    emit selectionChanged();
    if (accepted)
        emit portsChanged(changed);
    return accepted;
}

void ConfigEditor::setSerialNumber(const QString &digits)
{
    ::setSerialNumber(m_state, digits);
    emit generalChanged();
}

void ConfigEditor::setContactName(const QString &text)
{
    storeText(m_state.config.contactName, text);
    emit generalChanged();
}

void ConfigEditor::setLocation(const QString &text)
{
    storeText(m_state.config.location, text);
    emit generalChanged();
}

void ConfigEditor::setComponentId(const QString &text)
{
    storeText(m_state.config.componentId, text);
    emit generalChanged();
}

void ConfigEditor::setFileRelease(const QString &text)
{
    applyFileReleaseEdit(m_state.config.fileRelease, text);
    emit generalChanged();
}

void ConfigEditor::setAgingTime(const QString &text)
{
    m_state.config.agingTime = agingTimeFromText(text);
    emit generalChanged();
}

void ConfigEditor::setPsuAlarm(int supply, int index)
{
    if (index < 0)
        return; // an emptied combo box, not a choice
    quint8 &alarm = supply == 2 ? m_state.config.psuAlarm2 : m_state.config.psuAlarm1;
    alarm = quint8(index);
    emit generalChanged();
}

void ConfigEditor::setQosTables(const SwitchConfig &tables)
{
    m_state.config.dot1pTrafficClass = tables.dot1pTrafficClass;
    m_state.config.dscpTrafficClass = tables.dscpTrafficClass;
    emit generalChanged();
}
