#include "widgets/properties/armmodelproperty.h"

namespace Property {

namespace {
constexpr int scene = 21;
} // namespace

ArmModel::ArmModel(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent) {}

void ArmModel::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
