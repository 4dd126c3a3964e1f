#include "io/controllerlogin.h"

#include "app/core/setting.h"

namespace IO {
QString controllerAddress = QStringLiteral("192.168.0.2");
QString ftpUserName = QStringLiteral("qzoper");
QString ftpPassword = QStringLiteral("qzoper");

void takeControllerLoginSettings()
{
    const QString address = Setting::instance()->value(QStringLiteral("MirelIPAddress"));
    if (!address.isEmpty())
        controllerAddress = address;
    // The controller account uses its name as its password.
    const QString user = Setting::instance()->value(QStringLiteral("MirelUser"));
    if (!user.isEmpty()) {
        ftpUserName = user;
        ftpPassword = user;
    }
}
} // namespace IO
