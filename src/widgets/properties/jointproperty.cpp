#include "widgets/properties/jointproperty.h"

namespace Property {

Joint::Joint(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, 25, parent) {}

} // namespace Property
