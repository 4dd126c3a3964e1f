#include "widgets/properties/emergencystopproperty.h"

namespace Property {

namespace {
constexpr int scene = 34;
} // namespace

EmergencyStop::EmergencyStop(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, parent)
{
}

void EmergencyStop::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
