#pragma once

#include <QString>

namespace Monitoring {

// Sends one monitor command through the data provider; false without a
// provider. Offline the provider answers true without sending anything.
bool sendUnitCommand(const QString& command, QString* reply = nullptr);

// True only when the command really reached the unit and the unit accepted
// it: offline, without an answer or on an "NG" reply it is false.
bool unitAcceptedCommand(const QString& command, QString* reply = nullptr);

} // namespace Monitoring
