#pragma once

#include "monitoring/monitoringbase.h"

#include <QModelIndex>

// Live results of the logical operations in use, with their operation,
// inputs and the output signals each result is assigned to.
class MonitoringLogicalOperation : public MonitoringBase
{
    Q_OBJECT

public:
    static constexpr int StatusColumn = 5;

    MonitoringLogicalOperation();

    const QVector<quint16>& resultIndexes() const { return resultIndices; }
    // The tool tip of a cell (a negative row or column means the current
    // one); empty where there is none.
    QString cellToolTip(int row, int column) const;

public slots:
    void updateMonitoringData() override;
    void currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void cellEntered(int row, int column);
    void cellClicked(const QModelIndex& index);

protected:
    void buildContent() override;
    void updateTable() override;
    // The formulas in use change with the applied image: the rows are
    // built again.
    void reloadParameters() override;

private:
    void showCellToolTip(int row, int column);

    QVector<quint16> resultIndices;
    quint8 shownResults[50] = {};
};
