#include "widgets/properties/toolspeedproperty.h"

namespace Property {

namespace {
constexpr int scene = 27;
} // namespace

ToolSpeed::ToolSpeed(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent) {}

void ToolSpeed::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
