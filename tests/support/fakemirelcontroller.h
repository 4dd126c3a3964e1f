#pragma once

#include "io/mirelrzshmrz2ifsafmmon.h"
#include "io/mireltransport.h"

#include <QHash>
#include <QStringList>

// In-process stand-in for the controller's messaging server: answers monitor
// commands from a table and publishes monitor records. The adapter owns it;
// the test keeps a plain pointer to script it.
class FakeMirelController : public IO::MirelTransport
{
public:
    struct Answer
    {
        int result = Ok;
        QString reply;
    };

    // Set before the adapter connects.
    int connectResult = Ok;
    int serviceResult = Ok;
    int subscribeResult = Ok;

    // Commands not in the table are answered "OK".
    QHash<QString, Answer> answers;

    // What the adapter did.
    QString address, user, password;
    QStringList services, topics;
    QStringList requests;
    QList<int> timeouts;

    void publish(const MirelRzShmRz2IfSafmMon& record)
    {
        publishBytes(QByteArray(reinterpret_cast<const char*>(&record), int(sizeof record)));
    }
    void publishBytes(const QByteArray& message)
    {
        m_message = message;
        m_pending = true;
    }
    void dropConnection() { m_connected = false; }

    int connectTo(const QString& a, const QString& u, const QString& p) override
    {
        address = a;
        user = u;
        password = p;
        m_connected = connectResult == Ok;
        return connectResult;
    }
    bool isConnected() const override { return m_connected; }
    int checkService(const QString& service) override
    {
        services << service;
        return serviceResult;
    }
    int subscribe(const QString& topic) override
    {
        topics << topic;
        return subscribeResult;
    }
    int callService(const QString& service, const QString& request, int timeoutMs,
                    QString* reply) override
    {
        if (service != QLatin1String("sRZ_MONITOR_COMMAND:1.1.0"))
            return ServiceNotFound;
        requests << request;
        timeouts << timeoutMs;
        const Answer answer = answers.value(request, Answer{Ok, QStringLiteral("OK")});
        if (answer.result == Ok)
            *reply = answer.reply;
        return answer.result;
    }
    bool takeLatestMessage(const QString& topic, QByteArray* message) override
    {
        if (topic != QLatin1String("tSAFM_MONITOR:1.0.0") || !m_pending)
            return false;
        m_pending = false;
        *message = m_message;
        return true;
    }

private:
    bool m_connected = false;
    bool m_pending = false;
    QByteArray m_message;
};
