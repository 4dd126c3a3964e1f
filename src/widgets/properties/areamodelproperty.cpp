#include "widgets/properties/areamodelproperty.h"

namespace Property {

AreaModel::AreaModel(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 23, parent)
{
}

} // namespace Property
