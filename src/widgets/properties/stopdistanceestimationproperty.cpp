#include "widgets/properties/stopdistanceestimationproperty.h"

namespace Property {

namespace {
constexpr int scene = 24;
} // namespace

StopDistanceEstimation::StopDistanceEstimation(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, parent)
{
}

void StopDistanceEstimation::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
