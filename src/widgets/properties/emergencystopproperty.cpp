#include "widgets/properties/emergencystopproperty.h"

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
    EmeStopTPStopCategory = 3701,
    EmeStopPanelStopCategory = 3702,
    EmeStopExternalValid = 3703,
    EmeStopExtStopCategory = 3704,
    EmeStopTargetRobot = 3705,
    EmeStopUsrValid = 3706,
    EmeStopUsrStopCategory = 3707,
    EmeStopUsrStopTargetRobot = 3708,
};
} // namespace

EmergencyStop::EmergencyStop(Parameter* parameter, QWidget* parent)
    : SectionPanel(parameter, 34, parent)
{
}

// A section per stop, titled as the definitions group its fields.
void EmergencyStop::initialize()
{
    if (initialized)
        return;
    for (int no : {EmeStopTPStopCategory, EmeStopPanelStopCategory}) {
        auto* section = new QFrame;
        ComboBox* category = StopItems::newCategoryBox(section);
        bind(no, category);
        newForm(section)->addRow(definitionLabel(no), category);
        addSection(definitionNamePart(no, 1), section);
    }

    auto* external = new QFrame;
    QFormLayout* form = newForm(external);
    auto* valid = new CheckBox(external);
    valid->setText(definitionLabel(EmeStopExternalValid));
    bind(EmeStopExternalValid, valid);
    m_externalCategory = StopItems::newCategoryBox(external);
    bind(EmeStopExtStopCategory, m_externalCategory);
    form->addRow(valid);
    form->addRow(definitionLabel(EmeStopExtStopCategory), m_externalCategory);
    addSection(definitionNamePart(EmeStopExternalValid, 1), external);

    auto* target = new QFrame;
    m_target = new Label(target);
    newForm(target)->addRow(definitionLabel(EmeStopTargetRobot), m_target);
    addSection(definitionNamePart(EmeStopTargetRobot, 1), target);

    auto* items = new StopItems(
        m_parameter, {EmeStopUsrValid, {}, EmeStopUsrStopCategory, EmeStopUsrStopTargetRobot});
    addItemSection(definitionNamePart(EmeStopUsrValid, 1), items);
    finishInitialize(items->lastEditor());
}

// The external stop's category counts only while that stop is on.
void EmergencyStop::showValues()
{
    m_externalCategory->setEnabled(editValue(EmeStopExternalValid) != 0);
    m_target->setText(TargetDeviceBox::nameOf(int(editValue(EmeStopTargetRobot))));
}

} // namespace Property
