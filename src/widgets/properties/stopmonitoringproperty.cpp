#include "widgets/properties/stopmonitoringproperty.h"

namespace Property {

namespace {
constexpr int scene = 31;
} // namespace

StopMonitoring::StopMonitoring(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, parent)
{
}

void StopMonitoring::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
