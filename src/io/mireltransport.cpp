#include "io/mireltransport.h"

namespace IO {
MirelTransport::~MirelTransport() = default;

QString MirelTransport::resultName(int result)
{
    switch (result) {
    case Ok:
        return QStringLiteral("OK");
    case NotConnected:
        return QStringLiteral("NOT_CONNECTED");
    case ConnectFailed:
        return QStringLiteral("CONNECT_FAILED");
    case AuthenticationFailed:
        return QStringLiteral("AUTHENTICATION_FAILED");
    case Timeout:
        return QStringLiteral("TIMEOUT");
    case ServiceNotFound:
        return QStringLiteral("SERVICE_NOT_FOUND");
    case TopicNotFound:
        return QStringLiteral("TOPIC_NOT_FOUND");
    case SendFailed:
        return QStringLiteral("SEND_FAILED");
    case ReceiveFailed:
        return QStringLiteral("RECEIVE_FAILED");
    case InvalidArgument:
        return QStringLiteral("INVALID_ARGUMENT");
    }
    return QStringLiteral("UNKNOWN(%1)").arg(result);
}
} // namespace IO
