#include "widgets/properties/toolorientationproperty.h"

namespace Property {

namespace {
constexpr int scene = 30;
} // namespace

ToolOrientation::ToolOrientation(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, parent)
{
}

void ToolOrientation::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
