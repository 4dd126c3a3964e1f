#pragma once

#include <QString>

// Program-wide values set once per run by the start-up and read everywhere.
extern bool isOnline;       // messaging connected and FTP log-in done
extern bool isVSFtoAFM;     // parameters 3128..3142 belong to the robot part
extern int dhOriginMode;    // -1, 0 or 1; read by the robot model loader
extern bool isRunnable;     // the event loop runs only while this is true
extern QString localTmpDir; // local temporary folder, ends with "/" when set
