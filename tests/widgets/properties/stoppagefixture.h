#pragma once

// Shared by the stop page tests: a set with three devices in use and the
// live screen that shows the page's applied enable flags.

#include "imagecells.h"
#include "monitoring/monitoringbase.h"
#include "parameter/logicsignaldef.h"
#include "widgets/properties/view.h"

#include <QTableWidget>

// Joints 1 to 6 of the robot, 7 and 8 of device 1, joint 9 of device 5.
inline void assignThreeDevices(ParameterImage& image)
{
    for (int joint = 0; joint < 18; ++joint)
        setI16(image, "Assignment", 0, joint, joint < 6 ? 1 : joint < 8 ? 2 : joint == 8 ? 6 : 0);
}

// The monitoring screen of a scene, shown, built as the registry builds it.
class LiveScreen
{
public:
    explicit LiveScreen(int scene) : m_widget(View::createScreen(scene))
    {
        LogicSignalDef::initialize();
        m_widget->show();
    }
    QTableWidget* table() const { return qobject_cast<MonitoringBase*>(m_widget.data())->table(); }
    bool rowEnabled(int row) const { return table()->item(row, 0)->flags() & Qt::ItemIsEnabled; }

private:
    QScopedPointer<QWidget> m_widget;
};
