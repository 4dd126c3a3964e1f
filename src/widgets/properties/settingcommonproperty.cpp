#include "widgets/properties/settingcommonproperty.h"

namespace Property {

namespace {
constexpr int scene = 20;
} // namespace

SettingCommon::SettingCommon(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, parent)
{
}

void SettingCommon::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
