#pragma once

#include "monitoring/monitoringbase.h"

class QHBoxLayout;
class QLabel;

// Set and present values of the 18 joints and the flange position.
class MonitoringJointPosition : public MonitoringBase
{
    Q_OBJECT

public:
    MonitoringJointPosition();

    QTableWidget* jointTable() const { return m_jointTable; }
    QLabel* flangeLabel() const { return m_flangeLabel; }
    // A value as the screen shows it: one decimal, fixed notation; also
    // infinities, NaN and the largest floats.
    static QString valueText(float value);

public slots:
    void updateMonitoringData() override;

protected:
    void buildContent() override;
    void adjustTableSize() override;
    QVector<bool> readRowEnabled() const override;
    // The joints in use and their units follow the applied image.
    void reloadParameters() override;

private:
    void showFlangePosition();
    QString unitText(int joint) const;

    QHBoxLayout* m_contentLayout = nullptr;
    QTableWidget* m_jointTable = nullptr;
    QLabel* m_flangeLabel = nullptr;
    float m_shownSV[18];
    float m_shownPV[18];
    bool m_logFlange = false;
};
