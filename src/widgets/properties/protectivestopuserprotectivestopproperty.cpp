#include "widgets/properties/protectivestopuserprotectivestopproperty.h"

namespace Property {

namespace {
constexpr int scene = 33;
} // namespace

ProtectiveStopUserProtectiveStop::ProtectiveStopUserProtectiveStop(Parameter* parameter,
                                                                   QWidget* parent)
    : PropertyWidget(parameter, parent)
{
}

void ProtectiveStopUserProtectiveStop::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
