#include "monitoring/monitoringtoolorientation.h"

#include "app/core/languagesetting.h"
#include "monitoring/monitoringfooter.h"
#include "parameter/parameter.h"

#include <QTableWidget>

MonitoringToolOrientation::MonitoringToolOrientation() : MonitoringOverridable(true, false)
{
    setObjectName(QStringLiteral("ToolOrientationStatusWidget"));
    for (int i = 0; i < 8; ++i)
        rowSignals << quint16(2058 + i);
    rowEnabled = readRowEnabled();
    setupOverridableTable(true);
    connect(footer(), &MonitoringFooter::displayStatusChanged, this,
            [](bool display) { Parameter::instance()->setAllVisible(display); });
    useStatusRows(1);
}

void MonitoringToolOrientation::buildContent()
{
    MonitoringOverridable::buildContent();
    QTableWidget* table = this->table();
    table->setFocusPolicy(Qt::ClickFocus);
    if (LanguageSetting::languageNo() == 1) {
        table->horizontalHeaderItem(0)->setText(tr("SignalNameColumnLabel_en"));
        for (int i = 0; i < table->rowCount(); ++i)
            table->item(i, 0)->setText(tr("SignalName%1_en").arg(i + 1));
    }
}

QVector<bool> MonitoringToolOrientation::readRowEnabled() const
{
    return enableWords("ToolOrientValid", 8);
}

void MonitoringToolOrientation::showEvent(QShowEvent* event)
{
    MonitoringOverridable::showEvent(event);
    Parameter::instance()->m_allOrientationsVisible = false;
    footer()->setDisplayChecked(true);
    emit footer()->displayStatusChanged(true);
}
