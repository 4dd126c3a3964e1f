#include "widgets/properties/modespeedproperty.h"

namespace Property {

namespace {
constexpr int scene = 28;
} // namespace

ModeSpeed::ModeSpeed(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent) {}

void ModeSpeed::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
