#pragma once

#include <QByteArray>
#include <QString>

namespace IO {
// What the messaging adapter needs of a connection to the controller's
// messaging server. Every call returns one of the result codes below (a
// transport may return codes of its own beyond them); the adapter logs a
// failure by its name. All calls are made on the GUI thread.
class MirelTransport
{
public:
    enum Result
    {
        Ok = 0,
        NotConnected,
        ConnectFailed,
        AuthenticationFailed,
        Timeout,
        ServiceNotFound,
        TopicNotFound,
        SendFailed,
        ReceiveFailed,
        InvalidArgument,
    };

    // "OK", "NOT_CONNECTED", ...; "UNKNOWN(<code>)" for other codes.
    static QString resultName(int result);

    virtual ~MirelTransport();

    // Opens the connection and authenticates.
    virtual int connectTo(const QString& address, const QString& user, const QString& password) = 0;
    virtual bool isConnected() const = 0;
    // Asks the server whether it offers the service.
    virtual int checkService(const QString& service) = 0;
    virtual int subscribe(const QString& topic) = 0;
    // Sends one request and blocks until the reply text or the time-out.
    virtual int callService(const QString& service, const QString& request, int timeoutMs,
                            QString* reply) = 0;
    // The newest message received on a subscribed topic since the last call;
    // false when none arrived in between.
    virtual bool takeLatestMessage(const QString& topic, QByteArray* message) = 0;
};
} // namespace IO
