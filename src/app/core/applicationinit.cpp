#include "applicationinit.h"

#include "constants.h"
#include "interfaceutilities.h"
#include "languagesetting.h"
#include "logging.h"
#include "setting.h"
#include "singleinstance.h"
#include "startupstate.h"

#include <QCoreApplication>
#include <QDir>
#include <QSurfaceFormat>
#include <QtDebug>

#include <cstdio>

bool CreateTempDirectory()
{
    QString dir = expandEnvironment(Setting::instance()->value(QStringLiteral("TmpPath")));
    // An empty folder text would make every transfer file land in whatever
    // the current folder is; keep them below the program folder instead.
    if (dir.isEmpty() || QDir::cleanPath(dir) == QLatin1String("/"))
        dir = QCoreApplication::applicationDirPath() + QStringLiteral("/tmp");
    if (!dir.endsWith(QLatin1Char('\\')) && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    const bool made = QDir().mkpath(dir);
    localTmpDir = dir;
    qInfo().noquote() << "CreateTempDirectory ->" << dir;
    return made;
}

bool InitializeApp()
{
    bool result = false;
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!QDir::setCurrent(programDir)) {
        qCritical().noquote() << "chdir" << programDir << "failed.";
    } else {
        Setting::instance()->load(programDir + QStringLiteral("/config/config.ini"));
        if (!CreateTempDirectory()) {
            std::fprintf(stderr, "Cannot create the temporary folder %s\n",
                         qUtf8Printable(localTmpDir));
        } else if (!CreateLogDirectory(QString())) { // the "LogPath" setting
            std::fprintf(stderr, "Cannot create the log folder %s\n", qUtf8Printable(logDirectory));
        } else {
            qInstallMessageHandler(LogMessageHandler);
            const SingleInstance::Result instance =
                SingleInstance::acquire(QCoreApplication::applicationName());
            if (instance == SingleInstance::HeldByAnother) {
                qWarning().noquote() << systemErrorText(1152, 0x0409);
                return false;
            }
            if (instance == SingleInstance::Unavailable) {
                qCritical().noquote()
                    << "Cannot create the instance lock in" << SingleInstance::lockDirectory();
                return false;
            }
            const QStringList args = QCoreApplication::arguments();
            qInfo().noquote() << (args.isEmpty() ? QString() : args.first()) +
                                     QStringLiteral(" APP_VERSION:") +
                                     Constants::applicationVersion;
            dumpApplicationAttributes(true);
            Setting::instance()->dump();
            LanguageSetting::chooseLanguage(QString());

            QSurfaceFormat format;
            format.setDepthBufferSize(24);
            format.setStencilBufferSize(8);
            format.setVersion(1, 1);
            format.setProfile(QSurfaceFormat::CoreProfile);
            QSurfaceFormat::setDefaultFormat(format);
            result = true;
        }
    }
    qInfo().noquote() << "InitializeApp ->" << okNgText(result);
    return result;
}
