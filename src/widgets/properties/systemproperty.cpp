#include "widgets/properties/systemproperty.h"

namespace Property {

namespace {
constexpr int scene = 1;
} // namespace

System::System(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent) {}

void System::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
