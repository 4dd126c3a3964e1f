#include "widgets/properties/settingcommonproperty.h"

namespace Property {

SettingCommon::SettingCommon(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 20, parent)
{
}

} // namespace Property
