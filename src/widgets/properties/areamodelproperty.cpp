#include "widgets/properties/areamodelproperty.h"

namespace Property {

namespace {
constexpr int scene = 23;
} // namespace

AreaModel::AreaModel(Parameter* parameter, QWidget* parent) : PropertyWidget(parameter, parent) {}

void AreaModel::initialize()
{
    addSceneHeading(scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
