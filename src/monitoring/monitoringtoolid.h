#pragma once

#include "monitoring/monitoringbase.h"

class QLabel;
namespace Property {
class SettingCommon;
}

// The tool number the unit monitors, counted from 1 (0: none), with two
// notes that explain the channels while the common settings choose the
// first tool identification.
class MonitoringToolId : public MonitoringBase
{
    Q_OBJECT

public:
    MonitoringToolId();

    // Follows the tool identification choice of the common settings panel
    // for the whole run; a null panel changes nothing.
    void connectSettingCommon(Property::SettingCommon* panel);
    QLabel* note(int channel) const { return m_notes[channel]; }

public slots:
    void updateMonitoringData() override;

protected:
    void buildContent() override;
    void adjustTableSize() override;
    void updateTable() override;

private:
    void showNotes(int toolIdSpec);

    quint8 m_shownTool = 0;
    QLabel* m_notes[2] = {};
};
