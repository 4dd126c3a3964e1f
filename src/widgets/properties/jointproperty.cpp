#include "widgets/properties/jointproperty.h"

namespace Property {

Joint::Joint(Parameter* parameter, QWidget* parent) : PlaceholderProperty(parameter, 25, parent) {}

} // namespace Property
