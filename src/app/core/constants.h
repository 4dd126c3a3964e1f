#pragma once

#include <QString>

// File names and prefixes shared by the exchange with the unit and the file
// output. Defined once; every user reads the same values.
namespace Constants {
extern const QString transferFileLoad;      // "safm_load.tmp"
extern const QString transferFileSave;      // "safm_save.tmp"
extern const QString transferFileSaveRobot; // "safm_save_r.tmp"
extern const QString transferFileSaveUser;  // "safm_save_u.tmp"
extern const QString localWorkFile;         // "safm.tmp"
extern const QString parameterFilePrefix;   // "OBX_Safetyparam"
extern const QString reportFilePrefix;      // "OBX_Safetyreport"

// Short result words of log lines and status cells.
extern const QString textOk;
extern const QString textNg;
extern const QString textOn;
extern const QString textOff;
extern const QString textTrue;
extern const QString textFalse;

// Robot model whose type name hides rows that do not apply to it.
extern const QString robotModelQW115T;

// Name of the per-user language value (written by the menu bar).
extern const QString languageRegistryKey;
extern const QString organizationName;
extern const QString applicationRegistryName;

// Untranslated title of the main and start-up windows.
extern const QString applicationTitle;
extern const QString applicationVersion;
} // namespace Constants
