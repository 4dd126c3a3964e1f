#include "monitoring/networksafetystatus.h"

#include "app/core/interfaceutilities.h"
#include "io/mirelclient.h"
#include "monitoring/eipsdata.h"
#include "monitoring/networkpage.h"
#include "monitoring/networkstatus.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
struct IndicatorState
{
    int blinkTicks;
    QColor phase0;
    QColor phase1;
};

const IndicatorState& indicatorState(int state)
{
    static const IndicatorState table[6] = {
        {0, NetworkSafetyStatus::grey, NetworkSafetyStatus::grey},
        {0, NetworkSafetyStatus::green, NetworkSafetyStatus::green},
        {2, NetworkSafetyStatus::green, NetworkSafetyStatus::grey},
        {2, NetworkSafetyStatus::red, NetworkSafetyStatus::grey},
        {0, NetworkSafetyStatus::red, NetworkSafetyStatus::red},
        {2, NetworkSafetyStatus::red, NetworkSafetyStatus::green},
    };
    return table[state >= 0 && state < 6 ? state : 0];
}
} // namespace

const QColor NetworkSafetyStatus::grey(96, 96, 96);
const QColor NetworkSafetyStatus::green(0, 192, 0);
const QColor NetworkSafetyStatus::red(255, 0, 0);

NetworkSafetyStatus::NetworkSafetyStatus()
    : QWidget(nullptr), m_record(IO::MirelClient::monitorRecord())
{
    setupNetworkPage(this, "networkSafetyStatus");
    m_blinkTimer.setObjectName(QStringLiteral("ledBlinkTimer"));
    m_blinkTimer.setInterval(250);
    connect(&m_blinkTimer, &QTimer::timeout, this, &NetworkSafetyStatus::timeout);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    auto* lamps = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        lamps->addWidget(new QLabel(i == 0 ? tr("NetworkStatusLED") : tr("ModuleStatusLED"), this));
        m_indicators[i] = createBulletLabel(grey, this);
        lamps->addWidget(m_indicators[i]);
        lamps->addStretch(i == 0 ? 1 : 5);
    }
    layout->addLayout(lamps);
    layout->addStretch(1);
    auto* form = new QFormLayout;
    form->setVerticalSpacing(20);
    QLineEdit** fields[] = {&m_connection, &m_port, &m_ip, &m_mac};
    const QString captions[] = {tr("ConnectionStatus"), tr("PortInfo"), tr("IPAddress"),
                                tr("MacAddress")};
    for (int i = 0; i < 4; ++i) {
        *fields[i] = createValueField(this, 22, '0');
        form->addRow(captions[i], *fields[i]);
    }
    layout->addLayout(form);
    layout->addStretch(4);
    colorIndicators();
}

QColor NetworkSafetyStatus::stateColor(int state, int phase)
{
    const IndicatorState& entry = indicatorState(state);
    return phase ? entry.phase1 : entry.phase0;
}

void NetworkSafetyStatus::setLedStates(int networkState, int moduleState)
{
    const int states[2] = {networkState, moduleState};
    for (int i = 0; i < 2; ++i) {
        const int state = states[i] >= 0 && states[i] < 6 ? states[i] : 0;
        if (state != m_states[i]) {
            m_ticks[i] = 0;
            m_phases[i] = 0;
        }
        m_states[i] = state;
    }
    const bool blinking =
        indicatorState(m_states[0]).blinkTicks > 0 || indicatorState(m_states[1]).blinkTicks > 0;
    if (m_blinkTimer.isActive() && !blinking)
        m_blinkTimer.stop();
    else if (!m_blinkTimer.isActive() && blinking)
        m_blinkTimer.start();
    m_connection->setText(m_states[0] == 1 ? tr("Connected") : tr("Disconnected"));
    colorIndicators();
}

void NetworkSafetyStatus::timeout()
{
    if (!m_blinkTimer.isActive())
        return;
    for (int i = 0; i < 2; ++i) {
        const int ticks = indicatorState(m_states[i]).blinkTicks;
        if (ticks <= 0)
            continue;
        if (++m_ticks[i] >= ticks) {
            m_ticks[i] = 0;
            m_phases[i] ^= 1;
        }
    }
    colorIndicators();
}

void NetworkSafetyStatus::colorIndicators()
{
    for (int i = 0; i < 2; ++i) {
        const QColor color = stateColor(m_states[i], m_phases[i]);
        if (color == m_shownColors[i])
            continue;
        m_shownColors[i] = color;
        m_indicators[i]->setStyleSheet(
            QString::asprintf("color:#%02X%02X%02X", color.red(), color.green(), color.blue()));
    }
}

void NetworkSafetyStatus::monitoringUpdated()
{
    if (m_record)
        setLedStates(m_record->networkStatusLed, m_record->moduleStatusLed);
}

void NetworkSafetyStatus::updateEipsData()
{
    EipsData data;
    if (!NetworkStatus::queryEipsData(&data))
        return;
    if (!data.portInfo.isEmpty())
        m_port->setText(tr("port") + data.portInfo);
    m_ip->setText(data.ipAddress);
    m_mac->setText(data.macAddress);
}

void NetworkSafetyStatus::startUpdate()
{
    updateEipsData();
    setLedStates(0, 0);
    if (IO::MirelClient* client = IO::MirelClient::instance())
        connect(client, &IO::MirelClient::monitorDataUpdated, this,
                &NetworkSafetyStatus::monitoringUpdated, Qt::UniqueConnection);
    m_feed.take();
}

void NetworkSafetyStatus::stopUpdate()
{
    m_feed.release();
    if (IO::MirelClient* client = IO::MirelClient::instance())
        disconnect(client, &IO::MirelClient::monitorDataUpdated, this,
                   &NetworkSafetyStatus::monitoringUpdated);
}

void NetworkSafetyStatus::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    startUpdate();
}

void NetworkSafetyStatus::hideEvent(QHideEvent* event)
{
    stopUpdate();
    QWidget::hideEvent(event);
}
