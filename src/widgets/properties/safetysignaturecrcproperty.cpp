#include "widgets/properties/safetysignaturecrcproperty.h"

namespace Property {

SafetySignatureCRC::SafetySignatureCRC(Parameter* parameter, QWidget* parent)
    : PlaceholderProperty(parameter, 18, parent)
{
}

} // namespace Property
