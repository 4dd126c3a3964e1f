#include "monitoring/monitoringmotionarea.h"

#include "app/core/interfaceutilities.h"
#include "app/core/languagesetting.h"
#include "monitoring/monitoringfooter.h"
#include "monitoring/monitoringheader.h"
#include "parameter/parameter.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {
constexpr int areaCount = 16;
constexpr int firstSignal = 2003;
} // namespace

MonitoringMotionArea::MonitoringMotionArea() : MonitoringOverridable(true, true)
{
    for (int i = 0; i < areaCount; ++i)
        rowSignals << quint16(firstSignal + i);
    rowEnabled = readRowEnabled();
    columnHeaders = QStringList{tr("SignalName"), tr("Arm"), tr("Tool"), tr("Status")};
    alwaysEnabledColumns = {ArmColumn, ToolColumn};
    fitWidth = true;
    setupOverridableTable();

    QTableWidget* table = this->table();
    if (LanguageSetting::languageNo() == 1)
        for (int i = 0; i < table->rowCount(); ++i)
            table->item(i, 0)->setText(tr("SignalName%1_en").arg(i + 1));
    QHeaderView* columns = table->horizontalHeader();
    columns->setSectionResizeMode(ArmColumn, QHeaderView::Stretch);
    columns->setSectionResizeMode(ToolColumn, QHeaderView::Stretch);
    for (int row = 0; row < table->rowCount(); ++row)
        for (const int column : {ArmColumn, ToolColumn}) {
            QTableWidgetItem* item = table->item(row, column);
            item->setFlags(item->flags() | Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            item->setText(QStringLiteral("-"));
        }
    table->setMouseTracking(true);
    table->setCurrentCell(0, ArmColumn);
    connect(table, &QTableWidget::currentCellChanged, this,
            &MonitoringMotionArea::currentCellChanged);
    connect(table, &QTableWidget::cellEntered, this, &MonitoringMotionArea::cellEntered);
    connect(footer(), &MonitoringFooter::displayStatusChanged, this,
            &MonitoringMotionArea::displayStatusChanged);
    connect(header(), &MonitoringHeader::cpuChanged, this, &MonitoringMotionArea::askView);
    useStatusRows(StatusColumn);
}

void MonitoringMotionArea::adjustTableSize()
{
    // The English names may take more than a row's default height; they are
    // measured with the screen's style, so here.
    if (LanguageSetting::languageNo() == 1)
        table()->resizeRowsToContents();
    MonitoringOverridable::adjustTableSize();
}

QVector<bool> MonitoringMotionArea::readRowEnabled() const
{
    return enableWords("MoveAreaValid", areaCount);
}

QString MonitoringMotionArea::maskText(quint32 mask)
{
    if (!mask)
        return QStringLiteral("-");
    QStringList positions;
    for (int bit = 0; bit < 32; ++bit)
        if ((mask >> bit) & 1u)
            positions << QString::number(bit + 1);
    return positions.join(QLatin1Char(','));
}

void MonitoringMotionArea::updateMonitoringData()
{
    const MirelRzShmRz2IfSafmMonChannel& block = channelBlock();
    QTableWidget* table = this->table();
    MonitoringOverridable::updateMonitoringData();
    bool listsChanged = false;
    const int rows = qMin(areaCount, table->rowCount());
    for (int i = 0; i < rows; ++i) {
        const quint32 masks[2] = {block.areaArmModelMask[i], block.areaToolModelMask[i]};
        quint32* shown[2] = {&m_shownArm[i], &m_shownTool[i]};
        for (int k = 0; k < 2; ++k) {
            if (masks[k] == *shown[k])
                continue;
            const int column = k == 0 ? ArmColumn : ToolColumn;
            table->item(i, column)->setText(maskText(masks[k]));
            *shown[k] = masks[k];
            listsChanged = true;
            if (m_toolTipRow == i && m_toolTipColumn == column)
                showCellToolTip(i, column);
        }
    }
    if (listsChanged)
        askView();
}

void MonitoringMotionArea::currentCellChanged(int currentRow, int currentColumn, int, int)
{
    // The current cell stays in the Arm and Tool columns.
    if (currentColumn < ArmColumn)
        table()->setCurrentCell(currentRow, ArmColumn);
    else if (currentColumn > ToolColumn)
        table()->setCurrentCell(currentRow, ToolColumn);
    else
        showCellToolTip(currentRow, currentColumn);
}

void MonitoringMotionArea::cellEntered(int row, int column)
{
    table()->setCurrentCell(row, column);
    // The hovered cell's own tip: none over the name and Status columns.
    showCellToolTip(row, column);
}

void MonitoringMotionArea::showCellToolTip(int row, int column)
{
    QTableWidget* table = this->table();
    if ((column != ArmColumn && column != ToolColumn) || row < 0 || row >= table->rowCount()) {
        showTableCellToolTip(table, QString());
        return;
    }
    m_toolTipRow = row;
    m_toolTipColumn = column;
    const QString text = table->item(row, column)->text();
    showTableCellToolTip(table, text == QLatin1String("-") ? QString() : text, row, column);
}

void MonitoringMotionArea::displayStatusChanged(bool display)
{
    // The unit reports the tool index as a signed byte.
    Parameter::instance()->showAllValidArmToolAreaModels(display,
                                                         qint8(channelBlock().currentToolIndex));
    askView();
}

void MonitoringMotionArea::showEvent(QShowEvent* event)
{
    MonitoringOverridable::showEvent(event);
    Parameter* store = Parameter::instance();
    store->m_allVisible = false;
    store->m_shownToolNo = -1;
    footer()->setDisplayChecked(true);
    emit footer()->displayStatusChanged(true);
}

void MonitoringMotionArea::askView()
{
    if (m_viewHook)
        m_viewHook();
}
