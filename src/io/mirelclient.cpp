#include "io/mirelclient.h"

#include "app/core/interfaceutilities.h"
#include "app/core/setting.h"
#include "io/controllerlogin.h"
#include "io/monitorcommandmask.h"
#include "io/settingnumber.h"

#include <QDebug>
#include <QRandomGenerator>

#include <cmath>
#include <cstring>

float jointPos[18] = {};

namespace {
MirelRzShmRz2IfSafmMon monitorRecordData = {};
IO::MirelClient* firstClient = nullptr;

float randomFloat(QRandomGenerator* random, double low, double high)
{
    return float(low + random->generateDouble() * (high - low));
}
} // namespace

namespace IO {
const QString MirelClient::monitorTopic = QStringLiteral("tSAFM_MONITOR:1.0.0");
const QString MirelClient::monitorCommandService = QStringLiteral("sRZ_MONITOR_COMMAND:1.1.0");

MirelClient::MirelClient(std::unique_ptr<MirelTransport> transport, QObject* parent)
    : QObject(parent), m_transport(std::move(transport)),
      m_maxRetryCount(unsignedSetting(QStringLiteral("MirelMaxRetryCount"), 3)),
      m_retryWaitMs(unsignedSetting(QStringLiteral("MirelRetryWait_ms"), 100)),
      m_serviceTimeoutMs(unsignedSetting(QStringLiteral("MirelExecServiceTimeout_ms"), 10000)),
      m_randomData(Setting::instance()->isTrue(QStringLiteral("RandomMonitoringData"))),
      m_testJointValues(Setting::instance()->isTrue(QStringLiteral("Test3DJointValue"))),
      m_logFlangePosition(Setting::instance()->isTrue(QStringLiteral("LogFlangePosition")))
{
    if (!firstClient)
        firstClient = this;
    // Lets consumers queue or spy on monitorDataUpdated.
    qRegisterMetaType<const MirelRzShmRz2IfSafmMon*>();
    m_timer.setInterval(updateIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &MirelClient::updateMonitorData);
    connectController();
}

MirelClient::~MirelClient()
{
    if (firstClient == this)
        firstClient = nullptr;
}

MirelClient* MirelClient::instance()
{
    return firstClient;
}

const MirelRzShmRz2IfSafmMon* MirelClient::monitorRecord()
{
    return &monitorRecordData;
}

bool MirelClient::isConnected() const
{
    return m_transport && m_transport->isConnected();
}

void MirelClient::connectController()
{
    // The account's name is its password, so neither is logged.
    qInfo().noquote() << "IO::MirelClient::connectController" << controllerAddress;
    if (!m_transport) {
        qWarning().noquote() << "IO::MirelClient::connectController no messaging transport ->"
                             << okNgText(false);
        return;
    }
    int result = m_transport->connectTo(controllerAddress, ftpUserName, ftpPassword);
    if (result != MirelTransport::Ok) {
        qWarning().noquote() << "IO::MirelClient::connectController" << controllerAddress
                             << "result:" << MirelTransport::resultName(result) << "->"
                             << okNgText(false);
        return;
    }
    result = m_transport->checkService(monitorCommandService);
    if (result != MirelTransport::Ok)
        qWarning().noquote() << "IO::MirelClient::connectController" << monitorCommandService
                             << "result:" << MirelTransport::resultName(result) << "->"
                             << okNgText(false);
    const int subscribed = m_transport->subscribe(monitorTopic);
    if (subscribed != MirelTransport::Ok)
        qWarning().noquote() << "IO::MirelClient::connectController" << monitorTopic
                             << "result:" << MirelTransport::resultName(subscribed) << "->"
                             << okNgText(false);
    qInfo().noquote() << "IO::MirelClient::connectController" << controllerAddress << "->"
                      << okNgText(result == MirelTransport::Ok && subscribed == MirelTransport::Ok);
}

bool MirelClient::executeMonitorCommand(const QString& command, QString* reply, int timeoutMs)
{
    // Only the masked form ever reaches the log.
    const QString shown = maskMonitorCommand(command);
    int result = MirelTransport::NotConnected;
    QString text;
    if (isConnected())
        result = m_transport->callService(monitorCommandService, command,
                                          timeoutMs > 0 ? timeoutMs : m_serviceTimeoutMs, &text);
    if (result != MirelTransport::Ok) {
        qWarning().noquote() << "IO::MirelClient::executeMonitorCommand" << shown
                             << "result:" << MirelTransport::resultName(result) << "->"
                             << okNgText(false);
        return false;
    }
    if (reply)
        *reply = text;
    qInfo().noquote() << "IO::MirelClient::executeMonitorCommand" << shown << "->"
                      << okNgText(true);
    return true;
}

void MirelClient::startUpdate()
{
    if (++m_useCount == 1)
        m_timer.start();
}

void MirelClient::stopUpdate()
{
    if (m_useCount == 0)
        return;
    if (--m_useCount == 0)
        m_timer.stop();
}

void MirelClient::updateMonitorData()
{
    const bool connected = isConnected();
    if (connected)
        takeTopicMessage();
    if (m_randomData)
        simulateRandomData();
    if (m_testJointValues)
        simulateJointValues();
    // Offline the joint values belong to the 3D view's keys.
    if (connected || m_randomData || m_testJointValues)
        std::memcpy(jointPos, monitorRecordData.jointPv, sizeof jointPos);
    if (m_logFlangePosition) {
        const float* a = monitorRecordData.channel[0].flangePosition;
        const float* b = monitorRecordData.channel[1].flangePosition;
        qInfo().noquote() << "IO::MirelClient::updateMonitorData flangePosition A:" << a[0] << a[1]
                          << a[2] << "B:" << b[0] << b[1] << b[2];
    }
    emit monitorDataUpdated(&monitorRecordData);
}

void MirelClient::takeTopicMessage()
{
    QByteArray message;
    if (!m_transport->takeLatestMessage(monitorTopic, &message))
        return;
    // A message of another size is not this record: copying it would leave a
    // record that mixes old and new or misplaces every field.
    if (message.size() != int(sizeof monitorRecordData)) {
        if (message.size() != m_lastBadMessageSize)
            qWarning().noquote() << "IO::MirelClient::updateMonitorData" << monitorTopic
                                 << "size:" << message.size() << "->" << okNgText(false);
        m_lastBadMessageSize = message.size();
        return;
    }
    m_lastBadMessageSize = -1;
    std::memcpy(&monitorRecordData, message.constData(), sizeof monitorRecordData);
}

void MirelClient::simulateRandomData()
{
    QRandomGenerator* random = QRandomGenerator::global();
    // Bit fields and masks take any pattern; the numbers stay finite and in
    // plausible ranges so that the screens and the 3D view can show them.
    random->fillRange(reinterpret_cast<quint32*>(&monitorRecordData),
                      sizeof monitorRecordData / sizeof(quint32));
    for (int i = 0; i < 18; ++i) {
        monitorRecordData.jointPv[i] = randomFloat(random, -180.0, 180.0);
        monitorRecordData.jointSv[i] = randomFloat(random, -180.0, 180.0);
    }
    monitorRecordData.networkStatusLed %= 6;
    monitorRecordData.moduleStatusLed %= 6;
    for (MirelRzShmRz2IfSafmMonChannel& channel : monitorRecordData.channel)
        for (float& value : channel.flangePosition)
            value = randomFloat(random, -2000.0, 2000.0);
}

void MirelClient::simulateJointValues()
{
    // Every joint swings slowly through +-45 degrees, each out of step with
    // the one before, so that the whole arm visibly moves.
    m_jointPhase = std::fmod(m_jointPhase + 0.05, 2.0 * M_PI);
    for (int i = 0; i < 18; ++i) {
        const float value = float(45.0 * std::sin(m_jointPhase + 0.5 * i));
        monitorRecordData.jointPv[i] = value;
        monitorRecordData.jointSv[i] = value;
    }
}
} // namespace IO
