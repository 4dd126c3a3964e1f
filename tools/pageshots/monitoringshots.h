#pragma once

#include <QString>

#include <functional>

// Saves a picture of the whole screen and prints its path; false, with a
// message, when it cannot be written.
bool saveScreenPicture(const QString& path);

// Writes a fixed monitor record into the shared record, opens the
// monitoring dialog and saves a picture of the screen for every monitoring
// and network tab (and every tab of the safety I/O screens) as
// tab-<scene>[-<tab>].png. settle(ms) runs the event loop for a while.
bool takeMonitoringShots(const QString& folder, const std::function<void(int)>& settle);
