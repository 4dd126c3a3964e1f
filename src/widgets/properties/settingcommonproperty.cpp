#include "widgets/properties/settingcommonproperty.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMap>
#include <QVBoxLayout>

#include "parameter/valuevalidator.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/toolrows.h"
#include "widgets/spinbox.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {

enum ParameterNo
{
    ToolIdSpec = 3001,
    ToolIDChngTable = 3002,
    ToolDiscrpAllowDist = 3003,
    TCP_X = 3004, // to TCP_T, 3009
    StopJudgeDist = 3015,
};
constexpr int TcpValueCount = 6;

// A number box with the definition's limits and unit.
DoubleSpinBox* newBox(int parameterNo, QWidget* parent)
{
    double lower = 0, upper = 0;
    ValueValidator::limitsOf(parameterNo, &lower, &upper);
    auto* box = new DoubleSpinBox(lower, upper, parent);
    box->setSuffix(definitionUnitSuffix(parameterNo));
    box->setToolTip(PropertyWidget::rangeToolTip(lower, upper));
    return box;
}

QString numbered(const QString& format, int number)
{
    return QString(format).replace(QLatin1String("%1"), QString::number(number));
}

} // namespace

SettingCommon::SettingCommon(Parameter* parameter, QWidget* parent)
    : SectionPanel(parameter, 20, parent)
{
}

void SettingCommon::initialize()
{
    if (initialized)
        return;

    auto* tools = new QFrame;
    auto* toolColumn = new QVBoxLayout(tools);
    // The definitions' names are long: each above its editor.
    QFormLayout* form = newForm(nullptr);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    auto* spec = new ComboBox(tools);
    double lower = 0, upper = 0;
    if (ValueValidator::limitsOf(ToolIdSpec, &lower, &upper))
        for (int choice = int(lower); choice <= int(upper); ++choice)
            spec->addItem(QString::number(choice));
    bind(ToolIdSpec, spec);
    DoubleSpinBox* allowance = newBox(ToolDiscrpAllowDist, tools);
    bind(ToolDiscrpAllowDist, allowance);
    form->addRow(definitionLabel(ToolIdSpec), spec);
    form->addRow(definitionLabel(ToolDiscrpAllowDist), allowance);
    toolColumn->addLayout(form);

    m_tools = new SubMenuTable(definitionItemFormat(TCP_X), ToolCount, 4, false, false, false,
                               false, tools);
    m_tools->setHeaderText(0, tr("Tool"));
    m_tools->adjustLayout();
    toolColumn->addWidget(m_tools);
    QFormLayout* toolForm = newForm(nullptr);
    ValueValidator::limitsOf(ToolIDChngTable, &lower, &upper);
    auto* entry = new SpinBox(int(lower), int(upper), tools);
    entry->setToolTip(rangeToolTip(lower, upper));
    m_toolFields.push_back(&bind(ToolIDChngTable, entry));
    toolForm->addRow(definitionLabel(ToolIDChngTable), entry);
    for (int no = TCP_X; no < TCP_X + TcpValueCount; ++no) {
        DoubleSpinBox* box = newBox(no, tools);
        box->setEnabled(false);
        m_toolFields.push_back(&bindReadOnly(no, box));
        toolForm->addRow(definitionLabel(no), box);
    }
    toolColumn->addLayout(toolForm);
    m_sharedEntries = new QLabel(tools);
    m_sharedEntries->setWordWrap(true);
    PolishStyle::set(m_sharedEntries, QStringLiteral("color: #ffc107"));
    toolColumn->addWidget(m_sharedEntries);
    addSection(definitionNamePart(ToolIdSpec, 0), tools);

    auto* joints = new QFrame;
    auto* grid = new QGridLayout(joints);
    grid->addWidget(new QLabel(definitionLabel(StopJudgeDist), joints), 0, 0, 1, 2);
    for (int joint = 0; joint < JointCount; ++joint) {
        auto* label = new QLabel(numbered(definitionItemFormat(StopJudgeDist), joint + 1), joints);
        DoubleSpinBox* box = newBox(StopJudgeDist, joints);
        bind(StopJudgeDist, box).setCell(0, joint);
        grid->addWidget(label, joint + 1, 0, Qt::AlignRight);
        grid->addWidget(box, joint + 1, 1);
        m_jointLabels << label;
        m_jointBoxes << box;
    }
    addSection(definitionNamePart(StopJudgeDist, 0), joints);

    connect(m_tools, &SubMenuTable::currentIndexChanged, this, &SettingCommon::setCurrentTool);
    m_lastToolIdSpec = toolIdSpec();
    finishInitialize(m_jointBoxes.last());
}

int SettingCommon::toolIdSpec() const
{
    return int(
        FieldBinding::value(m_parameter->editImage(), FieldBinding::fieldOf(ToolIdSpec), 0, 0));
}

void SettingCommon::checkToolIdSpec()
{
    const int spec = toolIdSpec();
    if (spec == m_lastToolIdSpec)
        return;
    m_lastToolIdSpec = spec;
    emit toolIdSpecChanged(spec);
}

void SettingCommon::parameterLoad(Parameter::DataType type)
{
    if (type == Parameter::MasterData)
        showJointRows();
    SectionPanel::parameterLoad(type);
}

// A row for each joint that the loaded set assigns to a device, with the
// unit of the joint's kind; also for a joint in no use whose stored value
// lies outside its limits, so that the value the page is marked for can be
// seen and set.
void SettingCommon::showJointRows()
{
    QVector<bool> inUse(JointCount, false);
    for (const QString& label : m_parameter->assignedJoints()) {
        const int joint = label.toInt();
        if (joint >= 1 && joint <= JointCount)
            inUse[joint - 1] = true;
    }
    const FieldDef& field = FieldBinding::fieldOf(StopJudgeDist);
    for (int joint = 0; joint < JointCount; ++joint)
        inUse[joint] =
            inUse[joint] || ValueValidator::isOutside(m_parameter->editImage(), field, 0, joint);
    for (int joint = 0; joint < JointCount; ++joint) {
        m_jointLabels[joint]->setVisible(inUse[joint]);
        m_jointBoxes[joint]->setVisible(inUse[joint]);
        m_jointBoxes[joint]->setSuffix(
            m_parameter->unitSuffixes().value(QString::number(joint + 1)));
    }
}

void SettingCommon::setCurrentTool(int tool)
{
    if (updating || tool < 0 || tool >= ToolCount)
        return;
    m_tool = tool;
    for (FieldBinding* field : m_toolFields)
        field->setCell(0, m_tool);
    selectTool();
    updateUI();
}

// The 3D view marks the frame of the selected tool on this page.
void SettingCommon::selectTool()
{
    if (m_parameter->m_selectedTool == m_tool)
        return;
    m_parameter->m_selectedTool = m_tool;
    m_parameter->selectionWritten();
}

void SettingCommon::showEvent(QShowEvent* event)
{
    SectionPanel::showEvent(event);
    selectTool();
}

void SettingCommon::showValues()
{
    showItemRows(m_tools, m_parameter, m_toolFields, m_tool);
    showSharedEntries();
    checkToolIdSpec();
}

// Two tools with the same conversion entry cannot be told apart: said
// below the table, without refusing the value. Entries outside the limits
// (a fresh set holds 0s) name no tool and are not compared.
void SettingCommon::showSharedEntries()
{
    double lower = 0, upper = 0;
    ValueValidator::limitsOf(ToolIDChngTable, &lower, &upper);
    const FieldDef& field = FieldBinding::fieldOf(ToolIDChngTable);
    QMap<int, QStringList> tools;
    for (int tool = 0; tool < ToolCount; ++tool) {
        const double value = FieldBinding::value(m_parameter->editImage(), field, 0, tool);
        if (value >= lower && value <= upper)
            tools[int(value)] << numbered(definitionItemFormat(TCP_X), tool + 1);
    }
    QStringList lines;
    for (auto it = tools.cbegin(); it != tools.cend(); ++it)
        if (it.value().size() > 1)
            lines << tr("%1 hold the same value %2.")
                         .arg(it.value().join(QStringLiteral(", ")))
                         .arg(it.key());
    if (!lines.isEmpty())
        lines.prepend(definitionLabel(ToolIDChngTable) + QLatin1Char(':'));
    m_sharedEntries->setText(lines.join(QLatin1Char('\n')));
    m_sharedEntries->setVisible(!lines.isEmpty());
}

} // namespace Property
