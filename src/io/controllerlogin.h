#pragma once

#include <QString>

// Address of the controller and the log-in used for both its FTP service and
// its messaging server. They hold their start values until the data provider
// takes the settings, before it creates the FTP client and the adapter.
namespace IO {
extern QString controllerAddress; // "192.168.0.2"
extern QString ftpUserName;       // "qzoper"
extern QString ftpPassword;       // "qzoper", the same text as the user name

// Replaces the address by "MirelIPAddress" and the user name and password by
// "MirelUser" when these settings are not empty.
void takeControllerLoginSettings();
} // namespace IO
