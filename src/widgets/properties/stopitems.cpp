#include "widgets/properties/stopitems.h"

#include <QFormLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "parameter/parameter.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/sectionpanel.h"
#include "widgets/properties/toolrows.h"
#include "widgets/submenutable.h"

namespace Property {

namespace {
// The label ids of "Stop Category 0" and "Stop Category 1".
constexpr int FirstCategoryLabel = 81;
constexpr int CategoryCount = 2;
} // namespace

StopItems::StopItems(Parameter* store, const Fields& fields, QWidget* parent)
    : QWidget(parent), m_store(store), m_targets(store), m_validField(store, fields.valid),
      m_categoryField(store, fields.category), m_targetField(store, fields.target)
{
    m_table = new SubMenuTable(definitionItemFormat(fields.valid), ItemCount, 4, true, false, false,
                               false, this);
    m_table->setHeaderText(0, tr("Function"));
    m_table->setHeaderText(1, definitionLabel(fields.valid));
    m_table->adjustLayout();
    m_category = newCategoryBox(this);
    m_categoryField = FieldBinding::combo(store, fields.category, m_category);
    m_target = m_targets.box();
    m_targets.limitTo(fields.target);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_table);
    QFormLayout* form = SectionPanel::newForm(nullptr);
    for (int no : fields.modes) {
        auto* box = new CheckBox(this);
        box->setText(definitionLabel(no));
        m_modeBoxes.push_back(box);
        FieldBinding& field = m_modeFields.emplace_back(FieldBinding::check(store, no, box));
        form->addRow(box);
        connect(box, &QCheckBox::stateChanged, this,
                [this, box, &field] { write(field, box->isChecked() ? 1 : 0); });
    }
    form->addRow(definitionLabel(fields.category), m_category);
    form->addRow(definitionLabel(fields.target), m_target);
    column->addLayout(form);

    connect(m_table, &SubMenuTable::currentIndexChanged, this, &StopItems::select);
    connect(m_table, &SubMenuTable::enabledStateChanged, this, &StopItems::setItemEnabled);
    connect(m_category, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { write(m_categoryField, index); });
    connect(m_target, &QComboBox::currentTextChanged, this, &StopItems::chooseTarget);
}

ComboBox* StopItems::newCategoryBox(QWidget* parent)
{
    auto* box = new ComboBox(parent);
    for (int category = 0; category < CategoryCount; ++category)
        box->addItem(definitionText(FirstCategoryLabel + category));
    return box;
}

void StopItems::reload(bool newSet)
{
    m_targets.reload();
    if (newSet) {
        m_current = 0;
        const QSignalBlocker block(m_table);
        m_table->setCurrentRow(0, true);
    }
}

void StopItems::select(int item)
{
    if (m_updating || item < 0 || item >= ItemCount)
        return;
    m_current = item;
    refresh();
}

void StopItems::setItemEnabled(int state, int item)
{
    if (m_updating || item < 0 || item >= ItemCount)
        return;
    m_current = item;
    write(m_validField, state != 0 ? 1 : 0);
}

// Writes a user's choice into the current item; a cell outside the field
// writes nothing.
void StopItems::write(FieldBinding& field, int value)
{
    if (m_updating)
        return;
    field.writeCell(0, m_current, value);
    emit edited();
}

// The user picked a listed device. The items watch no joints of their
// target, so no joint is left behind to warn about.
void StopItems::chooseTarget(const QString& name)
{
    if (m_updating)
        return;
    const int number = m_targets.choose(name, this, FieldBinding::fieldOf(0), m_current);
    if (number > 0)
        write(m_targetField, number);
}

void StopItems::refresh()
{
    m_updating = true;
    showEnabledChecks(m_table, m_store, m_validField.field());
    for (FieldBinding* field : itemFields())
        field->setCell(0, m_current);
    for (const FieldBinding& field : m_modeFields)
        field.fill();
    m_categoryField.fill();
    m_targets.show(int(m_targetField.editValue()), m_targetField.state());

    const bool enabled = m_table->isEnabledChecked(m_current);
    for (CheckBox* box : m_modeBoxes)
        box->setEnabled(enabled);
    m_category->setEnabled(enabled);
    m_target->setEnabled(enabled);
    showItemRows(m_table, m_store, itemFields(), m_current);
    m_updating = false;
}

std::vector<FieldBinding*> StopItems::itemFields()
{
    std::vector<FieldBinding*> fields = {&m_validField, &m_categoryField, &m_targetField};
    for (FieldBinding& field : m_modeFields)
        fields.push_back(&field);
    return fields;
}

bool StopItems::changed() const
{
    if (FieldBinding::anyChanged({&m_validField, &m_categoryField, &m_targetField}))
        return true;
    for (const FieldBinding& field : m_modeFields)
        if (FieldBinding::anyChanged({&field}))
            return true;
    return false;
}

QWidget* StopItems::lastEditor() const
{
    return m_target;
}

} // namespace Property
