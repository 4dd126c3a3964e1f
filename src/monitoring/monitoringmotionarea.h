#pragma once

#include "monitoring/monitoringoverridable.h"

#include <functional>

// Live status of the 16 motion areas with the arm and tool models the unit
// finds inside each. Its Display switch shows the valid models in the 3D
// view; what else the 3D view needs from this screen it asks through the
// view hook, which the main window installs.
class MonitoringMotionArea : public MonitoringOverridable
{
    Q_OBJECT

public:
    static constexpr int ArmColumn = 1;
    static constexpr int ToolColumn = 2;
    static constexpr int StatusColumn = 3;

    MonitoringMotionArea();

    // Called whenever what the 3D view shows for this screen may have
    // changed: the Display switch, the channel, the model lists.
    void setViewHook(std::function<void()> hook) { m_viewHook = std::move(hook); }
    // The 1-based positions of the set bits joined by ","; "-" for none.
    static QString maskText(quint32 mask);

public slots:
    void updateMonitoringData() override;
    void currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void cellEntered(int row, int column);

protected:
    void adjustTableSize() override;
    QVector<bool> readRowEnabled() const override;
    void showEvent(QShowEvent* event) override;

private:
    void showCellToolTip(int row, int column);
    void displayStatusChanged(bool display);
    void askView();

    quint32 m_shownArm[16] = {};
    quint32 m_shownTool[16] = {};
    int m_toolTipRow = -1;
    int m_toolTipColumn = -1;
    std::function<void()> m_viewHook;
};
