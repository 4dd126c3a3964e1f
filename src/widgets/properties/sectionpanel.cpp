#include "widgets/properties/sectionpanel.h"

#include <QFormLayout>

#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/properties/stopitems.h"
#include "widgets/spinbox.h"

namespace Property {

SectionPanel::SectionPanel(Parameter* parameter, int scene, QWidget* parent)
    : PropertyWidget(parameter, scene, parent)
{
}

FieldBinding& SectionPanel::bind(int parameterNo, ComboBox* box)
{
    FieldBinding& field = m_fields.emplace_back(FieldBinding::combo(m_parameter, parameterNo, box));
    connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, &field](int index) { edit(field, index); });
    return field;
}

FieldBinding& SectionPanel::bind(int parameterNo, CheckBox* box)
{
    FieldBinding& field = m_fields.emplace_back(FieldBinding::check(m_parameter, parameterNo, box));
    connect(box, &QCheckBox::stateChanged, this,
            [this, &field, box] { edit(field, box->isChecked() ? 1 : 0); });
    return field;
}

FieldBinding& SectionPanel::bind(int parameterNo, SpinBox* box)
{
    FieldBinding& field = m_fields.emplace_back(FieldBinding::spin(m_parameter, parameterNo, box));
    connect(box, qOverload<int>(&QSpinBox::valueChanged), this,
            [this, &field](int value) { edit(field, value); });
    return field;
}

// No refill while the user types (it would reformat the text under the
// caret); only the box's mark and the bar follow at once.
FieldBinding& SectionPanel::bind(int parameterNo, DoubleSpinBox* box)
{
    FieldBinding& field = bindReadOnly(parameterNo, box);
    connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this, &field, box](double value) {
                if (updating)
                    return;
                field.write(value);
                box->setState(field.state());
                showModified(changed());
            });
    connect(box, &DoubleSpinBox::focussed, this, [this] { updateUI(); });
    return field;
}

FieldBinding& SectionPanel::bindReadOnly(int parameterNo, DoubleSpinBox* box)
{
    return m_fields.emplace_back(FieldBinding::doubleSpin(m_parameter, parameterNo, box));
}

QFormLayout* SectionPanel::newForm(QWidget* section)
{
    auto* form = new QFormLayout(section);
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

double SectionPanel::editValue(int parameterNo) const
{
    return FieldBinding::value(m_parameter->editImage(), FieldBinding::fieldOf(parameterNo), 0, 0);
}

void SectionPanel::edit(const FieldBinding& field, double value)
{
    if (updating)
        return;
    field.write(value);
    updateUI();
}

void SectionPanel::finishInitialize(QWidget* lastEditor)
{
    addButtons();
    setTabOrder(lastEditor);
    connect(this, &PropertyWidget::apply, this, &SectionPanel::save);
    connect(this, &PropertyWidget::cancel, this, &SectionPanel::cancelRequested);
    connect(m_parameter, &Parameter::parameterChanged, this, &SectionPanel::parameterLoad);
    refreshOnPageLoad();
    initialized = true;
    parameterLoad(Parameter::MasterData);
}

void SectionPanel::addItemSection(const QString& title, StopItems* items)
{
    m_items = items;
    addSection(title, items);
    connect(items, &StopItems::edited, this, &SectionPanel::updateUI);
}

void SectionPanel::parameterLoad(Parameter::DataType type)
{
    if (m_items)
        m_items->reload(type == Parameter::MasterData);
    updateUI();
}

void SectionPanel::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    for (const FieldBinding& field : m_fields)
        field.fill();
    if (m_items)
        m_items->refresh();
    showValues();
    showModified(changed());
    updating = false;
}

bool SectionPanel::changed() const
{
    if (m_items && m_items->changed())
        return true;
    for (const FieldBinding& field : m_fields)
        if (FieldBinding::anyChanged({&field}))
            return true;
    return false;
}

void SectionPanel::save()
{
    m_parameter->update(m_scene);
    m_parameter->setMonitorUpdateTime();
    updateUI();
}

bool SectionPanel::requestClose()
{
    return closeDiscarding(changed(), [this] { m_parameter->restore(m_scene); });
}

} // namespace Property
