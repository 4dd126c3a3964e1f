#include "startupstate.h"

bool isOnline = false;
bool isVSFtoAFM = false;
int dhOriginMode = 0;
bool isRunnable = true;
QString localTmpDir;
