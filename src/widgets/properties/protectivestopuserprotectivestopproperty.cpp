#include "widgets/properties/protectivestopuserprotectivestopproperty.h"

#include "widgets/properties/definitionlabel.h"
#include "widgets/properties/stopitems.h"

namespace Property {

namespace {
enum ParameterNo
{
    ProtStopUsrValid = 3604,
    ProtStopUsrTeachValid = 3605,
    ProtStopUsrCheckFastValid = 3606,
    ProtStopUsrRepeatValid = 3607,
    ProtStopUsrStopCategory = 3608,
    ProtStopUsrTargetRobot = 3609,
};
} // namespace

ProtectiveStopUserProtectiveStop::ProtectiveStopUserProtectiveStop(Parameter* parameter,
                                                                   QWidget* parent)
    : SectionPanel(parameter, 33, parent)
{
}

void ProtectiveStopUserProtectiveStop::initialize()
{
    if (initialized)
        return;
    auto* items = new StopItems(
        m_parameter, {ProtStopUsrValid,
                      {ProtStopUsrTeachValid, ProtStopUsrCheckFastValid, ProtStopUsrRepeatValid},
                      ProtStopUsrStopCategory,
                      ProtStopUsrTargetRobot});
    addItemSection(definitionNamePart(ProtStopUsrValid, 1), items);
    finishInitialize(items->lastEditor());
}

} // namespace Property
