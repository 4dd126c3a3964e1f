#include "widgets/properties/armdevicespeedproperty.h"

namespace Property {

namespace {
constexpr int scene = 26;
} // namespace

ArmSpeed::ArmSpeed(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent) {}

void ArmSpeed::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
