#include "widgets/properties/protectivestopsafetyfenceproperty.h"

namespace Property {

namespace {
constexpr int scene = 32;
} // namespace

ProtectiveStopSafetyFence::ProtectiveStopSafetyFence(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, parent)
{
}

void ProtectiveStopSafetyFence::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
