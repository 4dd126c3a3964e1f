#include "widgets/properties/jointproperty.h"

namespace Property {

namespace {
constexpr int scene = 25;
} // namespace

Joint::Joint(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent) {}

void Joint::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
