#include "widgets/properties/armmodelproperty.h"

namespace Property {

ArmModel::ArmModel(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 21, parent)
{
}

} // namespace Property
