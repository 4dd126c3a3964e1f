#include "widgets/properties/toolmodelproperty.h"

namespace Property {

namespace {
constexpr int scene = 22;
} // namespace

ToolModel::ToolModel(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent) {}

void ToolModel::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
