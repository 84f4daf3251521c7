#include "core/config/configeditor.h"

#include "core/config/globalparameters.h"
#include "core/config/portparameters.h"
#include "core/config/portselection.h"
#include "core/config/textfields.h"

// One step of the user's: reports it when it leaves the document changed.
class ConfigEditor::Step
{
public:
    Step(ConfigEditor *editor, QString name, QString mergeKey = QString())
        : m_editor(editor)
        , m_name(std::move(name))
        , m_mergeKey(std::move(mergeKey))
        , m_before(editor->m_state)
    { }
    ~Step()
    {
        if (!sameDocument(m_before, m_editor->m_state))
            emit m_editor->stepFinished(m_name, m_before, m_mergeKey);
    }
    Step(const Step &) = delete;
    Step &operator=(const Step &) = delete;

private:
    ConfigEditor *m_editor;
    QString m_name;
    QString m_mergeKey;
    EditorState m_before;
};

namespace {

// A parameter's name as the port table heads its column, without its unit:
// "Undo PoE User Set Limit".
QString parameterName(int column)
{
    return portParameterName(column).section(QLatin1String(" ["), 0, 0);
}

// The port fields that are typed into: the spin boxes and the classes.
// Changes of one of them on the same ports follow each other as one step.
QString typedFieldMergeKey(int column, const PortSelection &selection)
{
    const PortParameter *parameter = portParameter(column);
    if (!parameter || parameter->kind == PortValueKind::Choice)
        return QString();
    return QStringLiteral("port %1 %2 %3")
        .arg(column)
        .arg(selection.ports)
        .arg(int(selection.selectAllMode));
}

} // namespace

ConfigEditor::ConfigEditor(QObject *parent)
    : QObject(parent)
{
    ::selectModel(m_state, 0);
    startDocument(m_state, QString());
}

void ConfigEditor::loadState(const EditorState &state, const QString &stepName)
{
    Step step(this, stepName);
    setState(state);
}

void ConfigEditor::setState(const EditorState &state)
{
    m_state = state;
    emit stateReset();
}

void ConfigEditor::selectModel(int index)
{
    Step step(this, tr("Device Type"));
    ::selectModel(m_state, index);
    emit stateReset();
}

void ConfigEditor::newConfiguration()
{
    Step step(this, tr("New Configuration"));
    resetConfiguration(m_state);
    // An untitled document back at its start stays the document it is.
    if (!m_state.document.fileName.isEmpty() || !isSaved(m_state))
        startDocument(m_state, QString());
    emit stateReset();
}

void ConfigEditor::documentSaved(const QString &fileName, bool written)
{
    SaveOutcome outcome {m_state.document.id, fileName, nullptr};
    if (written)
        outcome.content = std::make_shared<const FileContent>(fileContent(m_state));
    noteSave(m_state, outcome);
    emit saved(outcome);
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
    Step step(this, parameterName(column), typedFieldMergeKey(column, m_state.selection));
    emit portsChanged(::editPort(m_state, column, value));
}

void ConfigEditor::editTrustMode(int mode)
{
    Step step(this, globalName(globalParameter(GlobalId::QosTrustMode), 0));
    emit portsChanged(::editTrustMode(m_state, mode));
}

QString ConfigEditor::editClasses(const QString &typed)
{
    Step step(this, parameterName(PortColumn::AllowedPoEClasses),
              typedFieldMergeKey(PortColumn::AllowedPoEClasses, m_state.selection));
    const ClassesEditResult result = ::editClasses(m_state, typed);
    emit portsChanged(result.changed);
    return result.shownText;
}

bool ConfigEditor::editTableCell(int row, int column, const QString &text)
{
    Step step(this, portParameterName(column));
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
    Step step(this, tr("Serial Number"), QStringLiteral("serialNumber"));
    ::setSerialNumber(m_state, digits);
    emit generalChanged();
}

void ConfigEditor::setComponentId(const QString &text)
{
    Step step(this, tr("Component Id"), QStringLiteral("componentId"));
    storeText(m_state.config.componentId, text);
    emit generalChanged();
}

void ConfigEditor::setFileRelease(const QString &text)
{
    Step step(this, tr("File Release"), QStringLiteral("fileRelease"));
    applyFileReleaseEdit(m_state.config.fileRelease, text);
    emit generalChanged();
}

void ConfigEditor::setGlobal(int id, int index, qint64 value)
{
    const GlobalParameter &row = globalParameter(id);
    if (id == GlobalId::QosTrustMode) {
        editTrustMode(int(value));
        return;
    }
    // An emptied combo box is no choice, and the record never holds a value
    // the file cannot take.
    if (!row.store || index < row.minIndex || index > row.maxIndex || value < 0 ||
        value > row.maxValue)
        return;
    // Typing into one field is one step.
    const QString mergeKey = row.kind == GlobalValueKind::Number
        ? QString::fromLatin1(row.fileKey.data(), int(row.fileKey.size()))
        : QString();
    Step step(this, globalName(row, index), mergeKey);
    row.store(m_state.config, row.positionOf(index), value);
    emit generalChanged();
}

void ConfigEditor::setGlobalText(int id, const QString &text)
{
    const GlobalParameter &row = globalParameter(id);
    if (!row.text)
        return;
    Step step(this, globalName(row, 0),
              QString::fromLatin1(row.fileKey.data(), int(row.fileKey.size())));
    storeText(m_state.config.*row.text, text);
    emit generalChanged();
}

void ConfigEditor::setMapping(int id, const SwitchConfig &edited)
{
    const GlobalParameter &row = globalParameter(id);
    Step step(this, globalName(row, 0));
    for (int i = row.minIndex; i <= row.maxIndex; ++i)
        row.store(m_state.config, row.positionOf(i), row.read(edited, row.positionOf(i)));
    emit generalChanged();
}
