#include "widgets/properties/areamodelproperty.h"

namespace Property {

AreaModel::AreaModel(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, 23, parent)
{
}

} // namespace Property
