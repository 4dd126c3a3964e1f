#include "setting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QtDebug>

#include <exception>

namespace {

enum class Read
{
    Always,
    IfPresent
};

struct KeyRule
{
    const char* key;
    Read read;
};

// The groups and keys of the settings file in reading order.
const KeyRule applicationKeys[] = {
    {"Fps", Read::Always},
    {"Language", Read::Always},
    {"FontPath", Read::IfPresent},
    {"TmpPath", Read::IfPresent},
    {"LogPath", Read::IfPresent},
    {"MonitoringModelPath", Read::Always},
    {"RobotModelPath", Read::Always},
    {"ParameterPath", Read::Always},
    {"MirelIPAddress", Read::IfPresent},
    {"MirelUser", Read::Always},
};

const KeyRule networkKeys[] = {
    {"MirelIPAddress", Read::Always},
    {"MirelUser", Read::Always},
    {"MirelMaxRetryCount", Read::Always},
    {"MirelRetryWait_ms", Read::Always},
    {"MirelExecServiceTimeout_ms", Read::Always},
    {"FtpTimeout_ms", Read::Always},
    {"FtpMaxRetryCount", Read::Always},
    {"FtpRetryWait_ms", Read::Always},
};

const KeyRule testKeys[] = {
    {"ReadRCParamFromFile", Read::Always},
    {"RobotTypeName", Read::Always},
    {"RandomMonitoringData", Read::Always},
    {"Test3DJointValue", Read::Always},
    {"FakeVSFtoAFM", Read::Always},
    {"VSFtoAFM_SWName", Read::Always},
    {"LogFlangePosition", Read::Always},
    {"DumpKeyCode", Read::Always},
    // Fault injection.
    {"FakeInitialConnectionError", Read::Always},
    {"FakeInitialReadRetryFail", Read::Always},
    {"FakeInitialReadError", Read::Always},
    {"FakeInitialReadCError", Read::Always},
    {"FakeConnectionError", Read::Always},
    {"FakeOBXReadRetryFail", Read::Always},
    {"FakeOBXReadError", Read::Always},
    {"FakeOBXWriteRetryFail", Read::Always},
    {"FakeOBXWriteError", Read::Always},
    {"FakeSafetyReportWriteError", Read::Always},
    {"FakeOBXPassRetryFail", Read::Always},
    {"FakeFileOpRetryFail", Read::Always},
    {"FakeFileIOError", Read::Always},
};

QString programSubfolder(const char* suffix)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QDir::separator() +
                           QLatin1String(suffix));
}

// The INI reader splits unquoted commas into a list; the setting is the text.
QString iniText(const QVariant& value)
{
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

template <size_t N>
void readGroup(QSettings& ini, const char* group, const KeyRule (&rules)[N],
               QHash<QString, QString>& values)
{
    ini.beginGroup(QLatin1String(group));
    for (const KeyRule& rule : rules) {
        const QString key = QLatin1String(rule.key);
        const bool present = ini.contains(key);
        if (rule.read == Read::Always || present)
            values.insert(key, present ? iniText(ini.value(key)) : QString());
    }
    ini.endGroup();
}

} // namespace

Setting* Setting::instance()
{
    static Setting* setting = new Setting; // process lifetime, never destroyed
    return setting;
}

Setting::Setting()
{
    resetToDefaults();
}

void Setting::resetToDefaults()
{
    m_values.clear();
    const QString off = QStringLiteral("false");
    m_values.insert(QStringLiteral("Fps"), QStringLiteral("true"));
    m_values.insert(QStringLiteral("Language"), QString());
    m_values.insert(QStringLiteral("TmpPath"), QStringLiteral("./tmp"));
    m_values.insert(QStringLiteral("LogPath"), QStringLiteral("./log"));
    m_values.insert(QStringLiteral("FontPath"), programSubfolder("assets/font"));
    m_values.insert(QStringLiteral("RobotModelPath"), programSubfolder("assets/obj"));
    m_values.insert(QStringLiteral("MonitoringModelPath"), programSubfolder("assets/obj"));
    m_values.insert(QStringLiteral("ParameterPath"), programSubfolder("config/parameter"));
    m_values.insert(QStringLiteral("MirelIPAddress"), QStringLiteral("192.168.0.22"));
    m_values.insert(QStringLiteral("MirelUser"), QStringLiteral("qzoper"));
    m_values.insert(QStringLiteral("DumpKeyCode"), off);
    m_values.insert(QStringLiteral("VSFtoAFM_SWName"), QStringLiteral("ZVSF_VSF2AFM"));
    m_values.insert(QStringLiteral("LogFlangePosition"), off);
    for (const char* key : {"FakeInitialConnectionError", "FakeInitialReadError",
                            "FakeInitialReadCError", "FakeConnectionError"})
        m_values.insert(QLatin1String(key), off);
    for (const char* key :
         {"FakeOBXReadError", "FakeOBXWriteError", "FakeSafetyReportWriteError", "FakeFileIOError"})
        m_values.insert(QLatin1String(key), QString());
}

void Setting::load(const QString& path)
{
    qInfo().noquote() << "Setting::load" << path;
    QSettings ini(path, QSettings::IniFormat);
    ini.setIniCodec("UTF-8");
    if (!QFileInfo::exists(path)) {
        qWarning().noquote() << QStringLiteral("no such file. %1").arg(path);
        return;
    }
    try {
        readGroup(ini, "ApplicationSettings", applicationKeys, m_values);
        readGroup(ini, "Network", networkKeys, m_values);
        readGroup(ini, "Test", testKeys, m_values);
    } catch (const std::exception& e) {
        qCritical().noquote() << e.what();
        qCritical().noquote() << "cr";
    }
}

QString Setting::value(const QString& key, bool* present)
{
    auto it = m_values.find(key);
    if (present)
        *present = it != m_values.end();
    if (it == m_values.end())
        it = m_values.insert(key, QString());
    return it.value();
}

void Setting::dump()
{
    qInfo().noquote() << "Settings:";
    QStringList keys = m_values.keys();
    std::sort(keys.begin(), keys.end());
    for (const QString& key : qAsConst(keys)) {
        // The controller's password is the same text as its user name.
        const QString value = key == QLatin1String("MirelUser") && !m_values.value(key).isEmpty()
                                  ? QStringLiteral("********")
                                  : m_values.value(key);
        qInfo().noquote() << QStringLiteral("  %1: \"%2\"").arg(key, value);
    }
}

QString Setting::fakeOBXReadError()
{
    return instance()->value(QStringLiteral("FakeOBXReadError"));
}
QString Setting::fakeOBXWriteError()
{
    return instance()->value(QStringLiteral("FakeOBXWriteError"));
}
bool Setting::isFakeConnectionError()
{
    return instance()->isTrue(QStringLiteral("FakeConnectionError"));
}
QString Setting::fakeFileIOError()
{
    return instance()->value(QStringLiteral("FakeFileIOError"));
}
bool Setting::isFakeInitialConnectionError()
{
    return instance()->isTrue(QStringLiteral("FakeInitialConnectionError"));
}
bool Setting::isFakeInitialReadCError()
{
    return instance()->isTrue(QStringLiteral("FakeInitialReadCError"));
}
bool Setting::isFakeInitialReadError()
{
    return instance()->isTrue(QStringLiteral("FakeInitialReadError"));
}
QString Setting::fakeSafetyReportWriteError()
{
    return instance()->value(QStringLiteral("FakeSafetyReportWriteError"));
}
