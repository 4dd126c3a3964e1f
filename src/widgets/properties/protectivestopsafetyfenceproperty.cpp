#include "widgets/properties/protectivestopsafetyfenceproperty.h"

#include <QFormLayout>
#include <QFrame>

#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/label.h"
#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/stopitems.h"

namespace Property {

namespace {
enum ParameterNo
{
    ProtStopFenceValid = 3601,
    ProtStopFenceStopCategory = 3602,
    ProtStopFenceTargetRobot = 3603,
};
} // namespace

ProtectiveStopSafetyFence::ProtectiveStopSafetyFence(Parameter* parameter, QWidget* parent)
    : SectionPanel(parameter, 32, parent)
{
}

void ProtectiveStopSafetyFence::initialize()
{
    if (initialized)
        return;
    auto* section = new QFrame;
    m_valid = new CheckBox(section);
    m_valid->setText(definitionLabel(ProtStopFenceValid));
    m_category = StopItems::newCategoryBox(section);
    m_target = new Label(section);
    bind(ProtStopFenceValid, m_valid);
    bind(ProtStopFenceStopCategory, m_category);

    QFormLayout* form = newForm(section);
    form->addRow(m_valid);
    form->addRow(definitionLabel(ProtStopFenceStopCategory), m_category);
    form->addRow(definitionLabel(ProtStopFenceTargetRobot), m_target);
    addSection(definitionNamePart(ProtStopFenceValid, 1), section);
    finishInitialize(m_category);
}

// The category counts only while the fence stop is on.
void ProtectiveStopSafetyFence::showValues()
{
    m_category->setEnabled(editValue(ProtStopFenceValid) != 0);
    m_target->setText(TargetDeviceBox::nameOf(int(editValue(ProtStopFenceTargetRobot))));
}

} // namespace Property
