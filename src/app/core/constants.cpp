#include "constants.h"

namespace Constants {
const QString transferFileLoad = QStringLiteral("safm_load.tmp");
const QString transferFileSave = QStringLiteral("safm_save.tmp");
const QString transferFileSaveRobot = QStringLiteral("safm_save_r.tmp");
const QString transferFileSaveUser = QStringLiteral("safm_save_u.tmp");
const QString localWorkFile = QStringLiteral("safm.tmp");
const QString parameterFilePrefix = QStringLiteral("OBX_Safetyparam");
const QString reportFilePrefix = QStringLiteral("OBX_Safetyreport");

const QString textOk = QStringLiteral("OK");
const QString textNg = QStringLiteral("NG");
const QString textOn = QStringLiteral("ON");
const QString textOff = QStringLiteral("OFF");
const QString textTrue = QStringLiteral("T");
const QString textFalse = QStringLiteral("F");

const QString robotModelQW115T = QStringLiteral("QW115T");

const QString languageRegistryKey = QStringLiteral("Language");
const QString organizationName = QStringLiteral("Velmora");
const QString applicationRegistryName = QStringLiteral("OBXZodedevIziz");

const QString applicationTitle = QStringLiteral("OXS Setting soft for Windows");
const QString applicationVersion = QStringLiteral("1.0.0.12");
} // namespace Constants
