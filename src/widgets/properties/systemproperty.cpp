#include "widgets/properties/systemproperty.h"

namespace Property {

System::System(Parameter* parameter, QWidget* parent) : PlaceholderProperty(parameter, 1, parent) {}

} // namespace Property
