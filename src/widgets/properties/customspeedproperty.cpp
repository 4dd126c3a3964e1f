#include "widgets/properties/customspeedproperty.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cstring>
#include <utility>

#include "parameter/valuevalidator.h"
#include "widgets/buttonsuccess.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/editstate.h"
#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/speedpointdialog.h"
#include "widgets/properties/targetdevicebox.h"

namespace Property {

namespace {

enum ParameterNo
{
    UsrSpeedValid = 3323,
    UsrSpeedTargetRobot = 3324,
    UsrSpeedKind = 3325,
    UsrSpeedUlimit = 3326,
    UsrSpeedArmValid = 3327,
    UsrSpeedToolValid = 3328,
    UsrSpeedTargetAxis = 3329,
    UsrSpeedTeachValid = 3330,
    UsrSpeedCheckFastValid = 3331,
    UsrSpeedRepeatValid = 3332,
    UsrSpeedStopCategory = 3333,
};

constexpr int UserSpeedMonitoringLabel = 48;
constexpr int ToolLabel = 35; // "Tool %1"
constexpr int PointMask = (1 << SpeedPointDialog::PointCount) - 1;

} // namespace

CustomSpeed::CustomSpeed(Parameter* parameter, QWidget* parent)
    : SetPanel(parameter, 29,
               {UsrSpeedValid,
                UsrSpeedTargetRobot,
                {UsrSpeedTeachValid, UsrSpeedCheckFastValid, UsrSpeedRepeatValid},
                UsrSpeedStopCategory,
                UsrSpeedTargetAxis},
               {UsrSpeedKind, UsrSpeedUlimit, UsrSpeedArmValid, UsrSpeedToolValid}, parent),
      m_kindField(parameter, UsrSpeedKind), m_limitField(parameter, UsrSpeedUlimit)
{
}

CustomSpeed::~CustomSpeed() = default;

void CustomSpeed::initialize()
{
    if (initialized)
        return;
    addSetSection(definitionText(UserSpeedMonitoringLabel),
                  [this](QWidget* section) { return buildSetRows(section); });

    // Every widget is made in the frame it stays in (see PropertyWidget).
    auto* points = new QFrame;
    auto* pointColumn = new QVBoxLayout(points);
    m_pointsSummary = new QLabel(points);
    m_pointsButton = new ButtonSuccess(tr("Monitoring Points..."), points);
    pointColumn->addWidget(m_pointsSummary);
    pointColumn->addWidget(m_pointsButton);
    addSection(tr("Speed Monitoring Points"), points);
    addButtons();
    setTabOrder(m_pointsButton);

    connect(m_limit, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double value) {
        if (!updating)
            m_limitField.writeCell(0, m_set, value);
    });
    connect(m_limit, &DoubleSpinBox::focussed, this, [this] { updateUI(); });
    connect(m_pointsButton, &QPushButton::clicked, this, &CustomSpeed::openPointDialog);
    // Again once every page has taken a new set: another page's reset may
    // choose other points for the 3D view.
    connect(m_parameter, &Parameter::parameterChanged, this, [this] { requestUpdate(); });

    initialized = true;
    reset(Parameter::MasterData);
}

// Kind, limit and target joints, made in the set section.
SetPanel::Rows CustomSpeed::buildSetRows(QWidget* section)
{
    // The kinds have no names in the definitions: they show as numbers,
    // the entry's index being the kind.
    double lower = 0, upper = 3;
    ValueValidator::limitsOf(UsrSpeedKind, &lower, &upper);
    m_kind = new ComboBox(section);
    for (int kind = 0; kind <= int(upper); ++kind)
        m_kind->addItem(QString::number(kind));
    m_kindField = FieldBinding::combo(m_parameter, UsrSpeedKind, m_kind);
    const int kinds = m_kind->count();
    connect(m_kind, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, kinds](int index) {
                if (updating || index < 0 || index >= kinds)
                    return;
                m_kindField.writeCell(0, m_set, index);
                updateUI();
            });
    lower = 0;
    upper = 10000;
    ValueValidator::limitsOf(UsrSpeedUlimit, &lower, &upper);
    m_limit = new DoubleSpinBox(lower, upper, section);
    m_limit->setToolTip(rangeToolTip(lower, upper));
    m_limitField = FieldBinding::doubleSpin(m_parameter, UsrSpeedUlimit, m_limit);

    auto* joints = new QFrame(section);
    auto* jointGrid = new QGridLayout(joints);
    jointGrid->setContentsMargins(0, 0, 0, 0);
    int rowHeight = 0;
    for (int joint = 1; joint <= Parameter::JointCount; ++joint) {
        auto* box = new CheckBox(joints);
        box->setText(QString::number(joint));
        jointGrid->addWidget(box, (joint - 1) / 6, (joint - 1) % 6);
        // The rows keep their room when a target has fewer joints: the page
        // is sized once when it is shown. The boxes are alike, so one is
        // measured: measuring polishes a box, which is then re-styled as the
        // panel moves into its place.
        if (rowHeight == 0)
            rowHeight = box->sizeHint().height();
        jointGrid->setRowMinimumHeight((joint - 1) / 6, rowHeight);
        m_jointBoxes.push_back(box);
        m_jointFields.push_back(FieldBinding::check(m_parameter, UsrSpeedTargetAxis, box));
        connect(box, &QCheckBox::stateChanged, this, [this, box, joint] {
            if (updating)
                return;
            m_jointFields[std::size_t(joint - 1)].writeCell(m_set, joint - 1,
                                                            box->isChecked() ? 1 : 0);
            updateUI();
        });
    }
    return {{definitionLabel(UsrSpeedKind), m_kind},
            {definitionLabel(UsrSpeedUlimit), m_limit},
            {definitionLabel(UsrSpeedTargetAxis), joints}};
}

QVector<quint32> CustomSpeed::words(int parameterNo, int count) const
{
    const FieldDef& field = FieldBinding::fieldOf(parameterNo);
    QVector<quint32> list;
    for (int i = 0; i < count; ++i)
        list << quint32(m_parameter->editImage().i32(field, m_set, i));
    return list;
}

QString CustomSpeed::limitUnit() const
{
    // The limit follows the kind of the target's joints: a length or an
    // angle per second; a target of both kinds shows both.
    QStringList units;
    for (const QString& label : target().joints()) {
        const QString unit = m_parameter->unitSuffixes().value(label).trimmed();
        if (!unit.isEmpty() && !units.contains(unit + QStringLiteral("/s")))
            units << unit + QStringLiteral("/s");
    }
    return units.join(QStringLiteral(", "));
}

void CustomSpeed::showSet(bool enabled)
{
    m_kindField.setCell(0, m_set);
    m_kindField.fill();
    m_limitField.setCell(0, m_set);
    m_limitField.fill();
    const QString unit = limitUnit();
    m_limit->setSuffix(unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
    QVector<bool> shown(Parameter::JointCount + 1, false);
    for (const QString& label : target().joints())
        shown[TargetDeviceBox::jointOf(label)] = true;
    for (int joint = 1; joint <= Parameter::JointCount; ++joint) {
        CheckBox* box = m_jointBoxes[std::size_t(joint - 1)];
        box->setVisible(shown[joint]);
        m_jointFields[std::size_t(joint - 1)].setCell(m_set, joint - 1);
        m_jointFields[std::size_t(joint - 1)].fill();
        box->setEnabled(enabled);
    }
    for (QWidget* editor : {static_cast<QWidget*>(m_kind), static_cast<QWidget*>(m_limit),
                            static_cast<QWidget*>(m_pointsButton)})
        editor->setEnabled(enabled);

    const QVector<quint32> arm = words(UsrSpeedArmValid, SpeedPointDialog::ArmWordCount);
    const QVector<quint32> tools = words(UsrSpeedToolValid, SpeedPointDialog::ToolCount);
    int armPoints = 0, toolPoints = 0;
    for (quint32 word : arm)
        armPoints += qPopulationCount(word & PointMask);
    for (quint32 word : tools)
        toolPoints += qPopulationCount(word & PointMask);
    m_pointsSummary->setText(
        tr("%1 points on the arm and devices, %2 on tools").arg(armPoints).arg(toolPoints));
    const QString findings = pointFindings();
    m_pointsButton->setState(findings.isEmpty() ? EditState::Equal : EditState::OutOfLimits);
    m_pointsButton->setToolTip(findings);
    if (!m_dialog)
        showPoints(arm, tools, m_tool);
}

// The point words only the dialog shows: the current set's words outside
// their limits, a line each with what an editor's tool tip says of its cell.
QString CustomSpeed::pointFindings() const
{
    const std::pair<int, QString> words[] = {
        {UsrSpeedArmValid, SpeedPointDialog::tr("Word %1")},
        {UsrSpeedToolValid, definitionText(ToolLabel)},
    };
    QStringList notes;
    for (const auto& [parameterNo, item] : words) {
        const FieldDef& field = FieldBinding::fieldOf(parameterNo);
        QStringList lines;
        for (int word = 0; word < field.columns; ++word)
            if (FieldBinding::cellState(m_parameter, field, m_set, word) == EditState::OutOfLimits)
                lines << item.arg(word + 1) + QStringLiteral(": ") +
                             FieldBinding::findingTip(m_parameter, field, m_set, word)
                                 .replace(QLatin1Char('\n'), QStringLiteral("; "));
        const QString note = FieldBinding::findingsNote(definitionLabel(parameterNo), lines);
        if (!note.isEmpty())
            notes << note;
    }
    return notes.join(QLatin1Char('\n'));
}

void CustomSpeed::openPointDialog()
{
    if (m_dialog || !initialized)
        return;
    m_dialogSet = m_set;
    m_dialog =
        new SpeedPointDialog(words(UsrSpeedArmValid, SpeedPointDialog::ArmWordCount),
                             words(UsrSpeedToolValid, SpeedPointDialog::ToolCount), m_tool, this);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    SpeedPointDialog* dialog = m_dialog;
    connect(dialog, &SpeedPointDialog::pointsChanged, this, [this, dialog] {
        m_tool = dialog->currentTool();
        showPoints(dialog->armWords(), dialog->toolWords(), m_tool);
    });
    connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        // Only the words the user changed are written; Cancel writes none.
        if (result == QDialog::Accepted && m_dialogSet >= 0 && m_dialogSet < SetCount) {
            const auto writeChanged = [this](int parameterNo, const QVector<quint32>& words) {
                const FieldDef& field = FieldBinding::fieldOf(parameterNo);
                for (int i = 0; i < words.size() && i < field.columns; ++i)
                    if (quint32(m_parameter->editImage().i32(field, m_dialogSet, i)) != words[i])
                        m_parameter->editImage().setI32(field, m_dialogSet, i, qint32(words[i]));
            };
            writeChanged(UsrSpeedArmValid, dialog->armWords());
            writeChanged(UsrSpeedToolValid, dialog->toolWords());
        }
        m_dialogSet = -1;
        m_dialog = nullptr;
        updateUI();
    });
    m_dialog->open();
}

void CustomSpeed::showEvent(QShowEvent* event)
{
    SetPanel::showEvent(event);
    if (!m_showingPoints) {
        m_saved.speedPointSet = m_parameter->m_speedPointSet;
        m_saved.selectedTool = m_parameter->m_selectedTool;
        std::memcpy(m_saved.arm, m_parameter->m_armSpeedPointFlags, sizeof m_saved.arm);
        std::memcpy(m_saved.tools, m_parameter->m_toolSpeedPointFlags, sizeof m_saved.tools);
        m_showingPoints = true;
        const int tool = m_parameter->m_selectedTool;
        m_tool = tool >= 0 && tool < Parameter::ToolCount ? tool : 0;
    }
    updateUI();
}

// The 3D view gets back what it showed before the page.
void CustomSpeed::hideEvent(QHideEvent* event)
{
    if (m_showingPoints) {
        m_showingPoints = false;
        m_parameter->m_speedPointSet = m_saved.speedPointSet;
        m_parameter->m_selectedTool = m_saved.selectedTool;
        std::memcpy(m_parameter->m_armSpeedPointFlags, m_saved.arm, sizeof m_saved.arm);
        std::memcpy(m_parameter->m_toolSpeedPointFlags, m_saved.tools, sizeof m_saved.tools);
        m_parameter->selectionWritten();
    }
    SetPanel::hideEvent(event);
}

// Word 1 marks points of the first arm speed set, word 2 of the second;
// the tool's word marks that tool's points. Only the shown tool's points
// can be drawn, on the flange.
void CustomSpeed::showPoints(const QVector<quint32>& arm, const QVector<quint32>& tools, int tool)
{
    if (!m_showingPoints || tool < 0 || tool >= Parameter::ToolCount)
        return;
    bool written = m_parameter->m_speedPointSet != Parameter::BothSpeedPointSets ||
                   m_parameter->m_selectedTool != tool;
    m_parameter->m_speedPointSet = Parameter::BothSpeedPointSets;
    m_parameter->m_selectedTool = tool;
    const auto mark = [&written](quint8& flag, quint32 word, int point) {
        const quint8 on = (word >> point) & 1u;
        written = written || flag != on;
        flag = on;
    };
    for (int p = 0; p < Parameter::ModelsPerSet; ++p) {
        for (int set = 0; set < 2; ++set)
            mark(m_parameter->m_armSpeedPointFlags[set][p], arm.value(set), p);
        for (int t = 0; t < Parameter::ToolCount; ++t)
            mark(m_parameter->m_toolSpeedPointFlags[t][p], tools.value(t), p);
    }
    if (written)
        m_parameter->selectionWritten();
}

} // namespace Property
