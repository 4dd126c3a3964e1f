#include "monitoring/unitcommand.h"

#include "io/dataprovider.h"

namespace Monitoring {

bool sendUnitCommand(const QString& command, QString* reply)
{
    DataProvider* provider = DataProvider::instance();
    QString discarded;
    return provider && provider->executeMonitorMirel(command, reply ? reply : &discarded);
}

bool unitAcceptedCommand(const QString& command, QString* reply)
{
    DataProvider* provider = DataProvider::instance();
    return provider && provider->online() && sendUnitCommand(command, reply);
}

} // namespace Monitoring
