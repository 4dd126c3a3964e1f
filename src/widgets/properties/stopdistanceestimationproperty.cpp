#include "widgets/properties/stopdistanceestimationproperty.h"

#include <QFormLayout>
#include <QFrame>

#include "widgets/combobox.h"
#include "widgets/doublespinbox.h"

namespace Property {

StopDistanceEstimation::StopDistanceEstimation(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 24, parent)
{
}

void StopDistanceEstimation::initialize()
{
    if (initialized)
        return;
    auto* spec = new ComboBox;
    spec->addItems({tr("Maker"), tr("User")});
    auto* section = new QFrame;
    auto* form = new QFormLayout(section);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("Spec"), spec);
    form->addRow(tr("StopDistanceEstimation Maker"), new DoubleSpinBox);
    form->addRow(tr("User"), new DoubleSpinBox);
    addSection(tr("Stop Distance Estimation"), section);
    addButtons();
    initialized = true;
}

} // namespace Property
