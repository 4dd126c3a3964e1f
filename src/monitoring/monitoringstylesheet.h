#pragma once

#include <QString>

// The compiled-in style sheet of the monitoring screens and the network
// pages. Read once: every screen and page is built at start-up and would
// otherwise unpack the same resource again.
const QString& monitoringStyleSheetText();
