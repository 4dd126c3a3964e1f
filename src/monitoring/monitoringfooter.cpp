#include "monitoring/monitoringfooter.h"

#include "app/core/interfaceutilities.h"
#include "io/dataprovider.h"
#include "monitoring/monitoringbase.h"
#include "monitoring/monitoringstylesheet.h"
#include "monitoring/unitcommand.h"
#include "widgets/polishstyle.h"
#include "widgets/toggleswitch.h"

#include <QGridLayout>
#include <QLabel>

MonitoringFooter::MonitoringFooter(MonitoringBase* owner, bool withDisplay)
    : QWidget(owner), m_owner(owner), m_layout(new QGridLayout(this)), m_withDisplay(withDisplay)
{
    setObjectName(QStringLiteral("monitoringFooter"));
    PolishStyle::set(this, monitoringStyleSheetText());
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setHorizontalSpacing(10);
    m_layout->setVerticalSpacing(0);
    int column = 0;
    if (m_withDisplay) {
        m_layout->addWidget(new QLabel(tr("Display"), this), 0, column++);
        m_displaySwitch = new ToggleSwitch(this);
        m_layout->addWidget(m_displaySwitch, 0, column++);
        connect(m_displaySwitch, &ToggleSwitch::stateChanged, this, [this](int state) {
            if (!m_suppressDisplaySignal)
                emit displayStatusChanged(state == Qt::Checked);
        });
    }
    m_layout->addWidget(new QLabel(tr("OverrideFunction"), this), 0, column++);
    m_overrideSwitch = new ToggleSwitch(this);
    m_layout->addWidget(m_overrideSwitch, 0, column);
    m_layout->setRowMinimumHeight(0, 5);
    connect(m_overrideSwitch, &ToggleSwitch::stateChanged, this, &MonitoringFooter::stateChanged);
}

MonitoringFooter::~MonitoringFooter()
{
    // Sent from here, not through the owner, which is half destroyed by now.
    sendOverride(false);
}

void MonitoringFooter::setDisplayChecked(bool checked)
{
    m_suppressDisplaySignal = true;
    if (m_displaySwitch)
        m_displaySwitch->setChecked(checked);
    m_suppressDisplaySignal = false;
}

void MonitoringFooter::setOverrideQuietly(bool checked)
{
    m_suppressOverrideSignal = true;
    m_overrideSwitch->setChecked(checked);
    m_suppressOverrideSignal = false;
}

void MonitoringFooter::stateChanged(int state)
{
    if (sender() != m_overrideSwitch || m_suppressOverrideSignal)
        return;
    sendOverride(state == Qt::Checked);
}

bool MonitoringFooter::sendOverride(bool on)
{
    if (!DataProvider::instance())
        return false;
    // Waiting for a reply runs the event loop, so a tick or a hide can ask
    // again meanwhile: keep the latest wish and send it afterwards.
    if (m_commandPending) {
        m_hasQueued = true;
        m_queued = on;
        return false;
    }
    bool accepted = false;
    for (;;) {
        m_commandPending = true;
        const QString command = QStringLiteral("ZSAFM_OVERRIDE ") + onOffText(on);
        // Offline the command succeeds without being sent, so ON stays on;
        // online a refusal or no answer puts the switch back.
        accepted = Monitoring::sendUnitCommand(command);
        m_commandPending = false;
        if (on && !accepted)
            setOverrideQuietly(false);
        if (!m_hasQueued)
            break;
        m_hasQueued = false;
        if (m_queued == on)
            break;
        on = m_queued;
    }
    return accepted;
}

void MonitoringFooter::monitoringUpdated()
{
    const bool active = (m_owner->record().overrideState & 1) != 0;
    if (active == m_lastOverride)
        return;
    m_lastOverride = active;
    if (!active)
        m_overrideSwitch->setChecked(false);
}

void MonitoringFooter::hideEvent(QHideEvent* event)
{
    sendOverride(false);
    QWidget::hideEvent(event);
}
