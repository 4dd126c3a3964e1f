#include "widgets/properties/customspeedproperty.h"

namespace Property {

namespace {
constexpr int scene = 29;
} // namespace

CustomSpeed::CustomSpeed(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent)
{
}

void CustomSpeed::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
