#include "widgets/properties/safetyinputproperty.h"

namespace Property {

namespace {
constexpr int scene = 35;
} // namespace

SafetyInput::SafetyInput(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent)
{
}

void SafetyInput::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
