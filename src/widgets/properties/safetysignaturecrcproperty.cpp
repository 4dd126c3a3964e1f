#include "widgets/properties/safetysignaturecrcproperty.h"

namespace Property {

namespace {
constexpr int scene = 18;
} // namespace

SafetySignatureCRC::SafetySignatureCRC(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, parent)
{
}

void SafetySignatureCRC::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
