#include "monitoring/monitoringtoolid.h"

#include "widgets/polishstyle.h"
#include "widgets/properties/settingcommonproperty.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

MonitoringToolId::MonitoringToolId() : MonitoringBase(false)
{
    setObjectName(QStringLiteral("ToolNumberStatusWidget"));
    columnHeaders = QStringList{tr("Name"), tr("Value")};
    shrinkToRows = true;
    setupDeferredTable();
    m_notes[0] = new QLabel(tr("Security softwareA"), this);
    m_notes[1] = new QLabel(tr("Security softwareB"), this);
    for (QLabel* note : m_notes) {
        note->setWordWrap(true);
        PolishStyle::set(note, QStringLiteral("font-size: 10pt"));
        note->hide();
        mainLayout()->addWidget(note);
    }
}

void MonitoringToolId::buildContent()
{
    MonitoringBase::buildContent();
    table()->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
}

void MonitoringToolId::adjustTableSize()
{
    // Wide enough for any 8-bit number, in the screen's style.
    QTableWidget* table = this->table();
    table->item(0, 1)->setText(QStringLiteral("000"));
    table->resizeColumnToContents(1);
    table->item(0, 1)->setText(QString());
    MonitoringBase::adjustTableSize();
}

void MonitoringToolId::updateTable()
{
    addRow(table(), tr("ToolNo"), true);
}

void MonitoringToolId::connectSettingCommon(Property::SettingCommon* panel)
{
    if (!panel)
        return;
    showNotes(panel->toolIdSpec());
    connect(panel, &Property::SettingCommon::toolIdSpecChanged, this,
            [this, panel] { showNotes(panel->toolIdSpec()); });
}

void MonitoringToolId::showNotes(int toolIdSpec)
{
    for (QLabel* note : m_notes)
        note->setVisible(toolIdSpec == 0);
}

void MonitoringToolId::updateMonitoringData()
{
    // Counted from 0 by the unit, shown from 1; 255 (no tool) wraps to 0.
    const quint8 value = quint8(channelBlock().currentToolIndex + 1);
    if (value == m_shownTool && !forceAll)
        return;
    m_shownTool = value;
    table()->item(0, 1)->setText(QString::number(value));
}
