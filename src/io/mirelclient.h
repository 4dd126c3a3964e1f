#pragma once

#include "io/mirelrzshmrz2ifsafmmon.h"
#include "io/mireltransport.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

// Present joint values shared with the 3D view (degrees for rotary joints,
// millimetres for linear ones; element n is joint n + 1), zero at start.
// Written by the monitor tick while the unit feeds it, and by the 3D view's
// keys while offline. GUI thread only.
extern float jointPos[18];

namespace IO {
// The messaging adapter: the one connection to the controller's messaging
// server, the monitor command service and the live monitor topic. Without a
// transport (the shipped program) the connection fails at once and the
// program works offline; nothing ever touches the network then.
class MirelClient : public QObject
{
    Q_OBJECT

public:
    static const QString monitorTopic;          // "tSAFM_MONITOR:1.0.0"
    static const QString monitorCommandService; // "sRZ_MONITOR_COMMAND:1.1.0"
    static constexpr int updateIntervalMs = 250;

    // Connects to controllerAddress with ftpUserName and ftpPassword
    // (controllerlogin.h), checks the command service and subscribes to the
    // monitor topic. A failure is only logged.
    explicit MirelClient(std::unique_ptr<MirelTransport> transport = nullptr,
                         QObject* parent = nullptr);
    ~MirelClient() override;

    // The first client created and still alive; null before.
    static MirelClient* instance();
    // The one shared monitor record, all zero until the first copy.
    static const MirelRzShmRz2IfSafmMon* monitorRecord();

    bool isConnected() const;

    // Sends one monitor command and blocks until its text reply or the
    // time-out (timeoutMs <= 0: "MirelExecServiceTimeout_ms"). True when the
    // controller answered; the reply itself ("OK", "NG:...") is the caller's
    // to judge. reply is left unchanged on failure.
    bool executeMonitorCommand(const QString& command, QString* reply, int timeoutMs = 0);

    // Retry count and wait for replies that ask for a retry
    // ("MirelMaxRetryCount", "MirelRetryWait_ms"), for the caller's loop.
    int maxRetryCount() const { return m_maxRetryCount; }
    int retryWaitMs() const { return m_retryWaitMs; }
    int serviceTimeoutMs() const { return m_serviceTimeoutMs; }

    // Use count of the monitor tick: the timer runs while it is above 0.
    void startUpdate();
    void stopUpdate();
    int updateUseCount() const { return m_useCount; }
    bool isUpdating() const { return m_timer.isActive(); }

signals:
    // After the shared record has been refreshed, on every tick.
    void monitorDataUpdated(const MirelRzShmRz2IfSafmMon* record);

private slots:
    void updateMonitorData();

private:
    void connectController();
    void takeTopicMessage();
    void simulateRandomData();
    void simulateJointValues();

    std::unique_ptr<MirelTransport> m_transport;
    QTimer m_timer;
    int m_useCount = 0;
    int m_maxRetryCount;
    int m_retryWaitMs;
    int m_serviceTimeoutMs;
    bool m_randomData;
    bool m_testJointValues;
    bool m_logFlangePosition;
    double m_jointPhase = 0.0;
    int m_lastBadMessageSize = -1;
};
} // namespace IO

Q_DECLARE_METATYPE(const MirelRzShmRz2IfSafmMon*)
