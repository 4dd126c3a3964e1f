#include "widgets/properties/setpanel.h"

#include <QFormLayout>
#include <QFrame>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/rowcolours.h"
#include "widgets/properties/targetdevicebox.h"
#include "widgets/properties/toolrows.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {
constexpr int StopCategory0Label = 81; // "Stop Category 0", then "Stop Category 1"
constexpr int SetLabel = 41;           // "Set %1"
} // namespace

SetPanel::SetPanel(Parameter* parameter, int scene, const Numbers& numbers,
                   std::initializer_list<int> others, QWidget* parent)
    : PropertyWidget(parameter, scene, parent), m_validField(parameter, numbers.valid),
      m_targetField(parameter, numbers.target), m_jointsField(parameter, numbers.joints)
{
    for (int no : numbers.modes)
        m_setFields.emplace_back(parameter, no);
    m_setFields.emplace_back(parameter, numbers.category);
    for (int no : {numbers.valid, numbers.target, numbers.modes[0], numbers.modes[1],
                   numbers.modes[2], numbers.category, numbers.joints})
        m_pageFields.emplace_back(parameter, no);
    for (int no : others)
        m_pageFields.emplace_back(parameter, no);
}

SetPanel::~SetPanel() = default;

void SetPanel::addSetSection(const QString& title,
                             const std::function<Rows(QWidget* section)>& rows)
{
    // Every widget is made in the frame it stays in (see PropertyWidget).
    auto* section = new QFrame;
    auto* column = new QVBoxLayout(section);
    m_setTable =
        new SubMenuTable(definitionText(SetLabel), SetCount, 4, true, false, false, false, section);
    m_setTable->setHeaderText(0, tr("Function"));
    m_setTable->setHeaderText(1, tr("FunctionEnabled"));
    m_setTable->adjustLayout();
    m_target = std::make_unique<TargetDeviceBox>(m_parameter, section);
    m_category = new ComboBox(section);
    m_category->addItems(
        {definitionText(StopCategory0Label), definitionText(StopCategory0Label + 1)});
    m_setFields[3] = FieldBinding::combo(m_parameter, m_setFields[3].field().no, m_category);
    column->addWidget(m_setTable);
    auto* form = new QFormLayout;
    form->setFormAlignment(Qt::AlignRight);
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(definitionLabel(m_targetField.field().no), m_target->box());
    if (rows)
        for (const auto& [label, widget] : rows(section))
            form->addRow(label, widget);
    for (std::size_t i = 0; i < m_modes.size(); ++i) {
        CheckBox* box = m_modes[i] = new CheckBox(section);
        box->setText(definitionLabel(m_setFields[i].field().no));
        m_setFields[i] = FieldBinding::check(m_parameter, m_setFields[i].field().no, box);
        form->addRow(box);
        connect(box, &QCheckBox::stateChanged, this, [this, i, box] {
            if (updating)
                return;
            m_setFields[i].writeCell(0, m_set, box->isChecked() ? 1 : 0);
            updateUI();
        });
    }
    form->addRow(definitionLabel(m_setFields[3].field().no), m_category);
    column->addLayout(form);
    addSection(title, section);

    connect(m_parameter, &Parameter::parameterChanged, this, &SetPanel::reset);
    connect(this, &PropertyWidget::apply, this, &SetPanel::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &SetPanel::cancelRequested);
    connect(m_setTable, &SubMenuTable::currentIndexChanged, this, &SetPanel::setCurrentSet);
    connect(m_setTable, &SubMenuTable::enabledStateChanged, this, [this](int state, int set) {
        if (updating || set < 0 || set >= SetCount)
            return;
        m_set = set;
        m_validField.writeCell(0, set, state != 0 ? 1 : 0);
        updateUI();
    });
    connect(m_target->box(), &QComboBox::currentTextChanged, this, &SetPanel::chooseTarget);
    connect(m_category, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (updating || index < 0 || index > 1)
            return;
        m_setFields[3].writeCell(0, m_set, index);
        updateUI();
    });
    refreshOnPageLoad();
}

void SetPanel::reset(Parameter::DataType type)
{
    if (!initialized)
        return;
    if (type == Parameter::MasterData)
        m_set = 0;
    m_target->reload();
    updateUI();
}

void SetPanel::setCurrentSet(int set)
{
    if (updating || set < 0 || set >= SetCount)
        return;
    m_set = set;
    updateUI();
}

void SetPanel::chooseTarget(const QString& name)
{
    if (updating)
        return;
    const int target = m_target->choose(name, this, m_jointsField.field(), m_set);
    if (target != 0)
        m_targetField.writeCell(0, m_set, target);
    updateUI();
}

int SetPanel::targetOf(int set) const
{
    return int(FieldBinding::value(m_parameter->editImage(), m_targetField.field(), 0, set));
}

double SetPanel::setValue(const FieldBinding& field, int column) const
{
    return FieldBinding::value(m_parameter->editImage(), field.field(), m_set, column);
}

void SetPanel::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    showEnabledChecks(m_setTable, m_parameter, m_validField.field());
    m_targetField.setCell(0, m_set);
    if (m_target->show(int(m_targetField.editValue()), m_targetField.state()))
        targetShown();
    for (FieldBinding& field : m_setFields) {
        field.setCell(0, m_set);
        field.fill();
    }
    const bool enabled = m_setTable->isEnabledChecked(m_set);
    m_target->box()->setEnabled(enabled);
    for (CheckBox* box : m_modes)
        box->setEnabled(enabled);
    m_category->setEnabled(enabled);
    showSet(enabled);
    showRowStates();
    showModified(changed());
    updating = false;
}

// A field with a row per set holds the set's cells in that row, any other
// one its cell in the set's column.
void SetPanel::showRowStates()
{
    const QSignalBlocker block(m_setTable);
    for (int set = 0; set < SetCount; ++set) {
        quint8 state = 0;
        for (const FieldBinding& binding : m_pageFields) {
            const FieldDef& field = binding.field();
            const bool perRow = field.rows > 1;
            for (int i = 0; i < (perRow ? field.columns : 1); ++i)
                state = FieldBinding::mergeStates(state, FieldBinding::cellState(m_parameter, field,
                                                                                 perRow ? set : 0,
                                                                                 perRow ? i : set));
        }
        m_setTable->setRowForeground(set, RowColours::of(state));
        m_setTable->setRowToolTip(set, setToolTip(set));
    }
    m_setTable->setCurrentRow(m_set, true);
}

bool SetPanel::changed() const
{
    return FieldBinding::anyChanged(m_pageFields);
}

// Only this page's cells go back or are committed: the whole image would
// also take or commit other pages' unapplied edits. The scene has no
// section, so the store's own copy moves nothing and only tells the
// screens that follow the applied data.
void SetPanel::parameterRestore()
{
    for (const FieldBinding& field : m_pageFields)
        FieldBinding::revertField(m_parameter, field.field());
    m_parameter->restore(m_scene);
}

void SetPanel::parameterSave()
{
    for (const FieldBinding& field : m_pageFields)
        FieldBinding::applyField(m_parameter, field.field());
    m_parameter->update(m_scene);
    m_parameter->setMonitorUpdateTime();
}

bool SetPanel::requestClose()
{
    return closeDiscarding(changed(), [this] { parameterRestore(); });
}

} // namespace Property
