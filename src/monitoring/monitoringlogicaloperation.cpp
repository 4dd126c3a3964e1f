#include "monitoring/monitoringlogicaloperation.h"

#include "app/core/interfaceutilities.h"
#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "parameter/parameterimage.h"

#include <QHeaderView>
#include <QTableWidget>

#include <cstring>

namespace {
constexpr int maxToolTipSignals = 10;
} // namespace

MonitoringLogicalOperation::MonitoringLogicalOperation() : MonitoringBase(false)
{
    setObjectName(QStringLiteral("LogicalOpStatusWidget"));
    columnHeaders =
        QStringList{tr("ResultNo"), tr("OP"), tr("IN1"), tr("IN2"), tr("OUT"), tr("Status")};
    columnAlignment = {Qt::AlignRight, Qt::AlignHCenter, Qt::AlignRight,
                       Qt::AlignRight, Qt::AlignLeft,    Qt::AlignHCenter};
    setupDeferredTable();
    fitWidth = true;
}

void MonitoringLogicalOperation::buildContent()
{
    MonitoringBase::buildContent();
    QTableWidget* table = this->table();
    table->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    table->setWordWrap(false);
    table->setMouseTracking(true);
    connect(table, &QTableWidget::currentCellChanged, this,
            &MonitoringLogicalOperation::currentCellChanged);
    connect(table, &QTableWidget::cellEntered, this, &MonitoringLogicalOperation::cellEntered);
    connect(table, &QTableWidget::clicked, this, &MonitoringLogicalOperation::cellClicked);
}

void MonitoringLogicalOperation::updateTable()
{
    QTableWidget* table = this->table();
    for (int n = 0; n < LogicTable::ResultCount; ++n) {
        const qint16 type = LogicTable::type(*parameterImage, n + 1);
        if (type == 0)
            continue;
        resultIndices << quint16(n);
        const int row = addRow(table, QString::number(n + 1), true);
        table->item(row, 1)->setText(LogicSignalDef::opName(type));
        const qint16 inputs[2] = {LogicTable::input(*parameterImage, n + 1, 1),
                                  LogicTable::input(*parameterImage, n + 1, 2)};
        for (int k = 0; k < 2; ++k)
            if (inputs[k] != 0)
                table->item(row, 2 + k)->setText(QString::number(inputs[k]));
        const QList<quint32> outputs = LogicSignalDef::signalsAssignedTo(n + 1, *parameterImage);
        if (!outputs.isEmpty())
            table->item(row, 4)->setText(
                LogicSignalDef::joinSignalNames(outputs, QStringLiteral(", ")));
    }
}

void MonitoringLogicalOperation::reloadParameters()
{
    table()->setRowCount(0);
    resultIndices.clear();
    updateTable();
    // The columns were fixed to the old rows' widths.
    for (int column = 0; column < table()->columnCount(); ++column)
        if (column != 4)
            table()->resizeColumnToContents(column);
    forceAll = true;
}

void MonitoringLogicalOperation::updateMonitoringData()
{
    const quint8* results = channelBlock().logicResults;
    QTableWidget* table = this->table();
    table->setUpdatesEnabled(false);
    for (int row = 0; row < resultIndices.size(); ++row) {
        const int n = resultIndices[row];
        const bool on = (results[n / 8] >> (n % 8)) & 1u;
        const bool shown = (shownResults[n / 8] >> (n % 8)) & 1u;
        if (on != shown || forceAll)
            table->item(row, StatusColumn)->setText(onOffText(on));
    }
    table->setUpdatesEnabled(true);
    std::memcpy(shownResults, results, sizeof shownResults);
}

QString MonitoringLogicalOperation::cellToolTip(int row, int column) const
{
    const QTableWidget* table = this->table();
    if (row < 0)
        row = table->currentRow();
    if (column < 0)
        column = table->currentColumn();
    if (row < 0 || row >= resultIndices.size())
        return QString();
    const int n = resultIndices[row];
    switch (column) {
    case 2:
        return LogicSignalDef::signalText(LogicTable::input(*parameterImage, n + 1, 1), 1);
    case 3:
        return LogicSignalDef::signalText(LogicTable::input(*parameterImage, n + 1, 2), 1);
    case 4: {
        const QList<quint32> outputs = LogicSignalDef::signalsAssignedTo(n + 1, *parameterImage);
        QString text =
            LogicSignalDef::joinSignalNames(outputs, QStringLiteral("\n"), maxToolTipSignals);
        if (outputs.size() > maxToolTipSignals)
            text += QLatin1Char('\n') +
                    tr("... and %1 more assignments").arg(outputs.size() - maxToolTipSignals);
        return text;
    }
    default:
        return QString();
    }
}

void MonitoringLogicalOperation::showCellToolTip(int row, int column)
{
    showTableCellToolTip(table(), cellToolTip(row, column), row, column);
}

void MonitoringLogicalOperation::currentCellChanged(int currentRow, int currentColumn, int, int)
{
    showCellToolTip(currentRow, currentColumn);
}

void MonitoringLogicalOperation::cellEntered(int row, int column)
{
    showCellToolTip(row, column);
}

void MonitoringLogicalOperation::cellClicked(const QModelIndex& index)
{
    showCellToolTip(index.row(), index.column());
}
