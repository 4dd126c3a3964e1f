#include "io/dataprovider.h"

#include "app/core/constants.h"
#include "app/core/displaytext.h"
#include "app/core/interfaceutilities.h"
#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "io/comparisonview.h"
#include "io/controllerlogin.h"
#include "io/filedialog.h"
#include "io/ftpclient.h"
#include "io/mirelclient.h"
#include "io/mireltransport.h"
#include "io/monitorcommandmask.h"
#include "io/passworddialog.h"
#include "io/waitwithoutinput.h"
#include "parameter/choicetexts.h"
#include "parameter/decoder.h"
#include "parameter/parameter.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"
#include "parameter/parser.h"
#include "parameter/procedure.h"
#include "parameter/valuevalidator.h"
#include "widgets/longmessagebox.h"
#include "widgets/msgbox.h"
#include "widgets/waitdialog.h"

#include <QApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

#include <cstring>
#include <optional>

namespace {

QPointer<DataProvider> providerInstance;

const QString workFolder = QStringLiteral("/qordata/setting_app");
const QString controllerTmpFolder = QStringLiteral("/tmp/");
const QString localReportFileName = QStringLiteral("safm_report.tmp");
const QString defaultParameterFileName = QStringLiteral("/default.txt");

constexpr int curlOperationTimedOut = 28;
constexpr unsigned timeoutMessageId = 1460; // ERROR_TIMEOUT

// Replies that ask for the same command again.
bool asksForRetry(const QString& reply)
{
    return reply.startsWith(QLatin1String("NG:COMM")) || reply.startsWith(QLatin1String("NG:SEMA"));
}

QString lowerSetting(const char* key)
{
    return Setting::instance()->value(QLatin1String(key)).toLower();
}

QString parameterFolder()
{
    return Setting::instance()->value(QStringLiteral("ParameterPath"));
}

QString timeStampedName(const QString& prefix)
{
    return QStringLiteral("%1_%2.txt")
        .arg(prefix, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss")));
}

QString systemText(unsigned messageId)
{
    return systemErrorText(messageId, LanguageSetting::winLangId());
}

QStringList entryLines(const QVector<LimitEntry>& entries)
{
    QStringList lines;
    for (const LimitEntry& entry : entries)
        lines << entry.describe();
    return lines;
}

// The wait cursor over one stretch of work without dialogs.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// "Writing parameters..." over the parent while the unit is written.
class WritingNotice
{
public:
    explicit WritingNotice(QWidget* parent)
        : m_dialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    WaitDialog m_dialog;
    WaitCursor m_cursor;
};

} // namespace

// One operation's run: it starts with a clear error record and counts busy
// until it ends; the last one to end closes the FTP connection, so none
// stays open between user operations.
class DataProvider::BusyScope
{
public:
    explicit BusyScope(DataProvider* provider) : m_provider(provider)
    {
        m_provider->m_error.clear();
        ++m_provider->m_busyCount;
    }
    ~BusyScope()
    {
        if (--m_provider->m_busyCount == 0 && m_provider->m_online)
            m_provider->m_ftp->close();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    DataProvider* m_provider;
};

enum class DataProvider::Operation
{
    ReadUnit,
    VerifyUnit,
    WriteUnit,
    ReadRobotData,
    ChangePassword,
    OpenFile,
    VerifyFile,
    OutputFile,
};

DataProvider* DataProvider::create(QObject* parent, std::unique_ptr<IO::MirelTransport> transport,
                                   quint16 ftpPort)
{
    if (!providerInstance) {
        providerInstance = new DataProvider(parent, std::move(transport), ftpPort);
        qInfo().noquote() << "DataProvider::create ->" << objectDescription(providerInstance);
    }
    return providerInstance;
}

DataProvider* DataProvider::instance()
{
    return providerInstance;
}

void DataProvider::destroyInstance()
{
    delete providerInstance.data();
    providerInstance = nullptr;
}

DataProvider::DataProvider(QObject* parent, std::unique_ptr<IO::MirelTransport> transport,
                           quint16 ftpPort)
    : QObject(parent), m_ftpPort(ftpPort)
{
    // The children connect with the configured address and account.
    IO::takeControllerLoginSettings();
    m_ftp = new FtpClient(this);
    m_procedure = new IO::Procedure(this);
    m_mirel = new IO::MirelClient(std::move(transport), this);
    setFolders();
}

bool DataProvider::online() const
{
    return m_online;
}

const DataProviderErrorRecord& DataProvider::errorRecord() const
{
    return m_error;
}

void DataProvider::setFolders()
{
    m_folders.cfastDataDir = workFolder;
    m_folders.saveDir = workFolder + QStringLiteral("/save");
    // All four sit side by side in the work folder.
    m_folders.saveParamDir = workFolder + QStringLiteral("/Safetyparam");
    m_folders.saveReportDir = workFolder + QStringLiteral("/Safetyreport");
    m_folders.saveLogDir = workFolder + QStringLiteral("/Log");
    m_folders.contTmpDir = controllerTmpFolder;
    m_folders.localTmpFile = localTmpDir + Constants::localWorkFile;
    m_folders.localReportFile = localTmpDir + localReportFileName;
}

bool DataProvider::createRemoteDirectories()
{
    // Decided once per run: there is no reconnection.
    if (m_onlineDecided)
        return m_online;
    m_onlineDecided = true;
    BusyScope busy(this);
    setFolders();

    // Without messaging the unit cannot be worked with, so no log-in is tried.
    const bool connected = m_mirel->isConnected();
    if (!connected)
        qWarning().noquote() << "DataProvider::createRemoteDirectories messaging not connected ->"
                             << okNgText(false);
    m_online = connected &&
               m_ftp->login(IO::controllerAddress, IO::ftpUserName, IO::ftpPassword, m_ftpPort);
    if (m_online) {
        // Parents first: FTP makes one folder level at a time. The log folder
        // is named but nothing of ours stores files there.
        for (const QString& dir : {m_folders.cfastDataDir, m_folders.saveDir,
                                   m_folders.saveParamDir, m_folders.saveReportDir}) {
            const bool made = m_ftp->mkdir(dir);
            qInfo().noquote() << "createRemoteDirectories mkdir" << dir << "->" << okNgText(made);
        }
    }
    qInfo().noquote() << "cfastDataDir:" << m_folders.cfastDataDir;
    qInfo().noquote() << "saveDir:" << m_folders.saveDir;
    qInfo().noquote() << "saveParamDir:" << m_folders.saveParamDir;
    qInfo().noquote() << "saveReportDir:" << m_folders.saveReportDir;
    qInfo().noquote() << "contTmpDir:" << m_folders.contTmpDir;
    qInfo().noquote() << "localTmpDir:" << localTmpDir;
    qInfo().noquote() << "localTmpFile:" << m_folders.localTmpFile;
    isOnline = m_online;
    qInfo().noquote() << "DataProvider::createRemoteDirectories ->" << okNgText(m_online);
    return m_online;
}

bool DataProvider::executeMonitorMirel(const QString& command, QString* reply, int timeoutMs)
{
    return runCommand(command, reply, timeoutMs, CommandFault());
}

bool DataProvider::runCommand(const QString& command, QString* reply, int timeoutMs,
                              const CommandFault& fault)
{
    // Only the masked form is ever logged or kept: the password commands
    // carry passwords.
    const QString shown = IO::maskMonitorCommand(command);
    const QString name = QStringLiteral("DataProvider::executeMonitorMirel");
    if (!m_online) {
        qInfo().noquote() << name << shown << "offline ->" << okNgText(true);
        return true;
    }
    if (fault.connection || Setting::isFakeConnectionError()) {
        qWarning().noquote() << name << shown << "fake connection failure" << okNgText(false)
                             << "errorCode:" << ConnectionError;
        return fail(ConnectionError, DataProviderErrorRecord::MonitorCommandSource, QString());
    }
    const int maxRetries = m_mirel->maxRetryCount();
    const int waitMs = m_mirel->retryWaitMs();
    QString text;
    for (int attempt = 0;; ++attempt) {
        if (!fault.reply.isEmpty()) {
            text = fault.reply;
            qWarning().noquote() << name << shown << "fake reply:" << text;
        } else if (!m_mirel->executeMonitorCommand(command, &text, timeoutMs)) {
            qWarning().noquote() << name << shown << okNgText(false)
                                 << "errorCode:" << ConnectionError;
            return fail(ConnectionError, DataProviderErrorRecord::MonitorCommandSource, QString());
        }
        text = text.trimmed();
        if (!asksForRetry(text) || attempt >= maxRetries)
            break;
        qWarning().noquote()
            << name << shown << text
            << QStringLiteral("Retry %1 after %2ms wait").arg(attempt + 1).arg(waitMs);
        IO::waitWithoutInput(waitMs);
    }
    if (reply)
        *reply = text;
    if (text.startsWith(QLatin1String("NG:"))) {
        qWarning().noquote() << name << shown << okNgText(false) << "errorCode:" << CommandError
                             << text;
        return fail(CommandError, DataProviderErrorRecord::MonitorCommandSource, text);
    }
    qInfo().noquote() << name << shown << "->" << okNgText(true);
    return true;
}

bool DataProvider::transfer(bool upload, const QString& localPath, const QString& remotePath,
                            bool fault, const QString& faultText)
{
    if (fault) {
        qWarning().noquote() << "DataProvider::transfer" << faultText << "->" << okNgText(false);
        return fail(TransferError, DataProviderErrorRecord::FtpSource, faultText);
    }
    if (upload ? m_ftp->put(localPath, remotePath) : m_ftp->get(remotePath, localPath))
        return true;
    return ftpFailure();
}

bool DataProvider::ftpFailure()
{
    if (m_ftp->lastError() == curlOperationTimedOut)
        return fail(TimeoutError, DataProviderErrorRecord::FtpSource, systemText(timeoutMessageId));
    QString text = m_ftp->lastErrorText();
    if (m_ftp->lastSystemError() != 0)
        text += QLatin1Char('\n') + systemText(unsigned(m_ftp->lastSystemError()));
    return fail(TransferError, DataProviderErrorRecord::FtpSource, text);
}

bool DataProvider::listRemote(const QString& folder, QVector<FtpListEntry>* entries)
{
    if (lowerSetting("FakeFileOpRetryFail") == QLatin1String("getlist")) {
        qWarning().noquote() << "DataProvider::listRemote FakeFileOpRetryFail=getlist ->"
                             << okNgText(false);
        return fail(TransferError, DataProviderErrorRecord::FtpSource,
                    QStringLiteral("FakeFileOpRetryFail=getlist"));
    }
    return m_ftp->list(folder, entries) || ftpFailure();
}

bool DataProvider::readParameterFile(ParameterImage& image, const QString& path, int mode,
                                     bool checkNoData, UnkeptTexts* texts)
{
    if (checkNoData && Setting::fakeFileIOError().toLower() == QLatin1String("nodata")) {
        qWarning().noquote() << "FakeFileIOError=nodata";
        return failOnFile(NoDataError, path);
    }
    // mode < 0: the whole set replaces the image.
    const bool ok = mode < 0 ? m_procedure->readAll(image, path, m_error, texts)
                             : m_procedure->readData(image, path, mode, m_error, texts);
    if (ok)
        return true;
    if (m_error.errorCode == NoError)
        m_error.set(DataProviderErrorRecord::FileReadError,
                    DataProviderErrorRecord::FileProcedureSource);
    m_error.lastErrorText = DisplayText::fileName(path);
    return false;
}

bool DataProvider::readUnitPart(ParameterImage& image, bool robotPart, QString* reply,
                                const CommandFault& fault, const QString& transferFault,
                                UnkeptTexts* texts)
{
    const QString file =
        robotPart ? Constants::transferFileSaveRobot : Constants::transferFileSaveUser;
    const QString command = QStringLiteral("ZSAFM_SAVE /SET_%1 %2")
                                .arg(robotPart ? QLatin1String("R") : QLatin1String("U"), file);
    if (!runCommand(command, reply, 0, fault))
        return false;
    const QString local = localTmpDir + file;
    if (!transfer(false, local, m_folders.contTmpDir + file, !transferFault.isEmpty(),
                  transferFault))
        return false;
    return readParameterFile(
        image, local, robotPart ? IO::Procedure::RobotPart : IO::Procedure::UserPart, false, texts);
}

bool DataProvider::readUnitForUser(ParameterImage& image, UnkeptTexts* texts)
{
    const QString readError = Setting::fakeOBXReadError();
    if (!readError.isEmpty()) {
        const QString text = QStringLiteral("FakeOBXReadError=") + readError;
        qWarning().noquote() << "DataProvider::readUnitForUser" << text << "->" << okNgText(false);
        if (readError.compare(QLatin1String("connection"), Qt::CaseInsensitive) == 0)
            return fail(ConnectionError, DataProviderErrorRecord::MonitorCommandSource, text);
        if (readError.compare(QLatin1String("format"), Qt::CaseInsensitive) == 0)
            return fail(DataProviderErrorRecord::FileFormatError,
                        DataProviderErrorRecord::FileProcedureSource, text);
        return fail(DataProviderErrorRecord::FileReadError,
                    DataProviderErrorRecord::FileProcedureSource, text);
    }
    const QString retryFail = lowerSetting("FakeOBXReadRetryFail");
    CommandFault fault;
    if (retryFail == QLatin1String("save"))
        fault.reply = QStringLiteral("NG:COMM");
    return readUnitPart(
        image, false, nullptr, fault,
        retryFail == QLatin1String("get") ? QStringLiteral("FakeOBXReadRetryFail=get") : QString(),
        texts);
}

bool DataProvider::readInitialSAFM(ParameterImage* image, UnkeptTexts* texts)
{
    BusyScope busy(this);
    const QString fake = lowerSetting("FakeInitialReadRetryFail");
    // Read into a copy: the image takes both parts or nothing.
    ParameterImage read = *image;
    UnkeptTexts readTexts;
    bool ok = false;
    {
        WaitCursor wait;
        CommandFault robotFault;
        if (fake == QLatin1String("r"))
            robotFault.reply = QStringLiteral("NG:COMM");
        ok = readUnitPart(read, true, nullptr, robotFault,
                          fake == QLatin1String("get")
                              ? QStringLiteral("FakeInitialReadRetryFail=get")
                              : QString(),
                          &readTexts);
        if (ok) {
            CommandFault userFault;
            if (fake == QLatin1String("c"))
                userFault.reply = QStringLiteral("NG:COMM");
            else if (Setting::isFakeInitialReadCError())
                userFault.reply = QStringLiteral("NG:R_SFPRMBIN");
            QString reply;
            ok = readUnitPart(read, false, &reply, userFault, QString(), &readTexts);
            if (!ok && m_error.errorCode == CommandError &&
                reply.startsWith(QLatin1String("NG:R_SFPRMBIN"))) {
                // The unit's user parameters were never initialised: the
                // default set stands in for them.
                const QString path = parameterFolder() + defaultParameterFileName;
                qWarning().noquote()
                    << "DataProvider::readInitialSAFM" << reply << "Reading" << path;
                m_error.clear();
                ok = readParameterFile(read, path, IO::Procedure::UserPart, false, &readTexts);
            }
        }
    }
    qInfo().noquote() << "DataProvider::readInitialSAFM ->" << okNgText(ok);
    if (ok) {
        *image = read;
        if (texts)
            *texts = readTexts;
        m_masterSource = IO::controllerAddress;
        m_robotPartSource.clear();
    } else
        messageBox(tr("Title InitialOBXReadError"),
                   tr("Body InitialOBXReadError") + QLatin1Char('\n') + resultBody(), nullptr,
                   QMessageBox::Critical, 1);
    return ok;
}

bool DataProvider::initializeForTest(ParameterImage* image, UnkeptTexts* texts)
{
    m_error.clear();
    const QString path = parameterFolder() + defaultParameterFileName;
    qInfo().noquote() << "Reading" << path;
    // Without a folder the path would name a file at the file system's root.
    bool ok = false;
    if (parameterFolder().isEmpty())
        m_error.set(DataProviderErrorRecord::FileReadError,
                    DataProviderErrorRecord::FileProcedureSource);
    else
        ok = m_procedure->readAll(*image, path, m_error, texts);
    if (ok) {
        m_masterSource = path;
        m_robotPartSource.clear();
    }
    qInfo().noquote() << "DataProvider::initializeForTest ->" << okNgText(ok);
    return ok;
}

void DataProvider::showDefaultSetFailure()
{
    const QString folder = parameterFolder();
    // The folder may be relative to the program's own (a setting of ".").
    const QString path = QDir::toNativeSeparators(
        QDir::cleanPath(QFileInfo(folder + defaultParameterFileName).absoluteFilePath()));
    QString text;
    if (folder.isEmpty())
        text = tr("Startup no ParameterPath");
    else if (m_error.errorCode == DataProviderErrorRecord::FileFormatError)
        text = tr("Startup default set invalid").arg(path);
    else
        text = tr("Startup default set unreadable").arg(path);
    messageBox(tr("Title StartupError"), text, nullptr, QMessageBox::Critical, 1);
}

bool DataProvider::messageBox(const QString& title, const QString& text, QWidget* parent, int icon,
                              int kind)
{
    MsgBox box(QMessageBox::Icon(icon), title, text,
               kind == 2 ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int clicked = box.exec();
    return clicked == QMessageBox::Ok || clicked == QMessageBox::Yes;
}

bool DataProvider::readSAFM(QWidget* parent)
{
    BusyScope busy(this);
    bool ok = false;
    if (!m_online) {
        fail(ConnectionError, DataProviderErrorRecord::MonitorCommandSource, QString());
    } else if (!messageBox(operationName(Operation::ReadUnit),
                           tr("Read the safety parameters from Orbilux?\n"
                              "Changes that were not written are discarded."),
                           parent, QMessageBox::Question, 2)) {
        cancel();
    } else {
        Parameter* store = Parameter::instance();
        ParameterImage read = store->masterImage();
        UnkeptTexts texts = store->unkeptTexts();
        {
            WaitCursor wait;
            ok = readUnitForUser(read, &texts);
        }
        if (ok) {
            store->editImage() = read;
            store->unkeptTexts() = texts;
            store->setMasterData(true);
            m_masterSource = IO::controllerAddress;
        }
    }
    finish(Operation::ReadUnit, ok, parent, tr("The safety parameters were read from Orbilux."));
    if (ok)
        showLimitNotice(parent, operationName(Operation::ReadUnit));
    return ok;
}

QString DataProvider::reviewDifferences(const ParameterImage& other, const ParameterImage& applied,
                                        const QString& otherTitle, QWidget* parent)
{
    if (other.areasEqual(applied))
        return tr("No differences were found.");
    IO::ComparisonView view(other, applied, otherTitle, tr("Applied data"),
                            IO::ComparisonView::Review, tr("These parameters differ."), parent);
    view.exec();
    return tr("Differences were found: %1").arg(view.rows().size());
}

bool DataProvider::verifySAFM(QWidget* parent)
{
    BusyScope busy(this);
    bool ok = false;
    QString text;
    if (!m_online) {
        fail(ConnectionError, DataProviderErrorRecord::MonitorCommandSource, QString());
    } else {
        const ParameterImage& applied = Parameter::instance()->appliedImage();
        // The robot part is not read, so it compares equal.
        ParameterImage unit = applied;
        {
            WaitCursor wait;
            ok = readUnitForUser(unit);
        }
        if (ok)
            text = reviewDifferences(unit, applied, tr("Orbilux"), parent);
    }
    return finish(Operation::VerifyUnit, ok, parent, text);
}

bool DataProvider::writeSAFM(QWidget* parent)
{
    BusyScope busy(this);
    QString text = tr("The safety parameters were written to Orbilux.");
    bool ok = false;
    if (!m_online) {
        fail(ConnectionError, DataProviderErrorRecord::MonitorCommandSource, QString());
    } else if (!confirmLimits(Parameter::instance()->appliedImage(),
                              operationName(Operation::WriteUnit), parent)) {
        cancel();
    } else {
        ok = writeUnit(parent);
        if (ok) {
            QString reportName;
            bool published;
            {
                WaitCursor wait;
                published = publishReport(&reportName);
            }
            // The set is in the unit whatever becomes of its report.
            text += QLatin1Char('\n') + (published ? tr("Safety report published. Filename: %1")
                                                         .arg(DisplayText::fileName(reportName))
                                                   : tr("Failed to publish safety report."));
        }
    }
    return finish(Operation::WriteUnit, ok, parent, text);
}

bool DataProvider::writeUnit(QWidget* parent)
{
    Parameter* store = Parameter::instance();
    const QString retryFail = lowerSetting("FakeOBXWriteRetryFail");
    const QString writeError = Setting::fakeOBXWriteError().toUpper();

    IO::PasswordDialog password(IO::PasswordDialog::CheckPassword, parent);
    if (password.exec() != QDialog::Accepted)
        return cancel();
    {
        WaitCursor wait;
        CommandFault fault;
        if (lowerSetting("FakeOBXPassRetryFail") == QLatin1String("chk"))
            fault.reply = QStringLiteral("NG:COMM");
        if (!runCommand(QStringLiteral("ZSAFM_PASS /CHK ") + password.currentPassword(), nullptr, 0,
                        fault))
            return false;
    }

    // The unit's present set, the read-back of what it was sent, and when
    // the unit started to hold the checked set.
    ParameterImage unitImage = store->masterImage();
    ParameterImage readBack;
    UnkeptTexts readBackTexts;
    QElapsedTimer sinceCheck;
    {
        WritingNotice notice(parent);
        CommandFault saveFault;
        if (retryFail == QLatin1String("save"))
            saveFault.reply = QStringLiteral("NG:COMM");
        if (!readUnitPart(unitImage, false, nullptr, saveFault, QString()))
            return false;

        // Encoded from a copy: the applied image keeps its signature until
        // the unit has taken the set.
        ParameterImage outgoing = store->appliedImage();
        const QString loadFile = localTmpDir + Constants::transferFileLoad;
        if (!m_procedure->outputFile(loadFile, outgoing))
            return failOnFile(FileWriteError, loadFile);
        if (!transfer(true, loadFile, m_folders.contTmpDir + Constants::transferFileLoad,
                      retryFail == QLatin1String("put"),
                      QStringLiteral("FakeOBXWriteRetryFail=put")))
            return false;

        CommandFault checkFault;
        if (retryFail == QLatin1String("load_chk"))
            checkFault.reply = QStringLiteral("NG:COMM");
        else if (writeError == QLatin1String("ROBOTBUSY"))
            checkFault.reply = QStringLiteral("NG:ROBOTBUSY");
        else if (writeError == QLatin1String("CONNECTION"))
            checkFault.connection = true;
        if (!runCommand(QStringLiteral("ZSAFM_LOAD /CHK ") + Constants::transferFileLoad, nullptr,
                        0, checkFault))
            return false;
        sinceCheck.start();

        const QString readBackFile = localTmpDir + Constants::transferFileSave;
        if (!transfer(false, readBackFile, m_folders.contTmpDir + Constants::transferFileSave,
                      retryFail == QLatin1String("get"),
                      QStringLiteral("FakeOBXWriteRetryFail=get")))
            return false;
        if (!readParameterFile(readBack, readBackFile, -1, false, &readBackTexts))
            return false;
    }

    IO::ComparisonView view(unitImage, readBack, tr("Orbilux"), tr("Write data"),
                            IO::ComparisonView::Confirm, tr("Write these parameters into Orbilux?"),
                            parent);
    if (view.exec() != QDialog::Accepted)
        return cancel();

    CommandFault fixFault;
    if (retryFail == QLatin1String("load_fix"))
        fixFault.reply = QStringLiteral("NG:COMM");
    else if (writeError == QLatin1String("MTRON"))
        fixFault.reply = QStringLiteral("NG:MTRON");
    if (!fixWrittenSet(parent, sinceCheck, writeError == QLatin1String("TIMEOUT"), fixFault))
        return false;

    // The unit now runs the read-back set; the edit image keeps its content.
    store->masterImage() = readBack;
    store->appliedImage() = readBack;
    store->unkeptTexts() = readBackTexts;
    store->masterTexts() = readBackTexts;
    m_masterSource = IO::controllerAddress;
    return true;
}

bool DataProvider::fixWrittenSet(QWidget* parent, const QElapsedTimer& sinceCheck,
                                 bool forceTimeout, const CommandFault& fault)
{
    for (;;) {
        // Past the limit the unit has dropped the checked set.
        if (forceTimeout || sinceCheck.elapsed() > writeFixLimitMs) {
            qWarning().noquote() << "DataProvider::writeSAFM ZSAFM_LOAD /FIX time limit passed ->"
                                 << okNgText(false);
            return fail(TimeoutError, DataProviderErrorRecord::MonitorCommandSource,
                        systemText(timeoutMessageId));
        }
        QString reply;
        bool fixed;
        {
            WritingNotice notice(parent);
            fixed = runCommand(QStringLiteral("ZSAFM_LOAD /FIX"), &reply, 0, fault);
        }
        if (fixed)
            return true;
        // The unit takes the set only while the robot's motors are off.
        if (m_error.errorCode != CommandError || !reply.startsWith(QLatin1String("NG:MTRON")))
            return false;
        if (!messageBox(operationName(Operation::WriteUnit),
                        tr("The robot's motors are on.\n"
                           "Turn the motors off, then choose Yes to write the parameters."),
                        parent, QMessageBox::Warning, 2))
            return cancel();
    }
}

bool DataProvider::publishReport(QString* shownName)
{
    const QString fault = Setting::fakeSafetyReportWriteError();
    if (!fault.isEmpty()) {
        const QString text = QStringLiteral("FakeSafetyReportWriteError=") + fault;
        qWarning().noquote() << "DataProvider::publishReport" << text << "->" << okNgText(false);
        if (fault.compare(QLatin1String("connection"), Qt::CaseInsensitive) == 0)
            return fail(ConnectionError, DataProviderErrorRecord::FtpSource, text);
        return fail(FileWriteError, DataProviderErrorRecord::FileProcedureSource, text);
    }
    const QString name = timeStampedName(Constants::reportFilePrefix);
    ParameterImage image = Parameter::instance()->masterImage();
    if (m_online) {
        const QString local = m_folders.localReportFile;
        if (!m_procedure->outputReport(local, image))
            return failOnFile(FileWriteError, local);
        const QString remote = m_folders.saveReportDir + QLatin1Char('/') + name;
        if (!transfer(true, local, remote, false, QString()))
            return false;
        *shownName = remote;
    } else {
        const QString path = QDir(parameterFolder()).filePath(name);
        if (!m_procedure->outputReport(path, image))
            return failOnFile(FileWriteError, path);
        *shownName = path;
    }
    qInfo().noquote() << "DataProvider::publishReport" << *shownName << "->" << okNgText(true);
    return true;
}

bool DataProvider::writeReport(QWidget* parent)
{
    BusyScope busy(this);
    QString name;
    if (!confirmLimits(masterOutsideLimits(), tr("Safety Report"), parent)) {
        qInfo().noquote() << "DataProvider::writeReport canceled";
        cancel();
        // Ends with its result box, as every write does.
        messageBox(tr("Safety Report"), resultBody(), parent, QMessageBox::Information, 1);
        return false;
    }
    bool ok;
    {
        WaitCursor wait;
        ok = publishReport(&name);
    }
    qInfo().noquote() << "DataProvider::writeReport ->" << okNgText(ok);
    if (ok)
        messageBox(tr("Safety Report"),
                   tr("Safety report published. Filename: %1").arg(DisplayText::fileName(name)),
                   parent, QMessageBox::Information, 1);
    else
        messageBox(tr("Title write error"),
                   tr("Failed to publish safety report.") + QLatin1Char('\n') + resultBody(),
                   parent, QMessageBox::Critical, 1);
    return ok;
}

bool DataProvider::chooseFile(int dialogType, QWidget* parent, const QString& proposedName,
                              int* drive, QString* path)
{
    IO::FileDialog dialog(
        IO::FileDialog::Type(dialogType), m_online, parameterFolder(), m_folders.saveParamDir,
        [this](const QString& folder, QVector<FtpListEntry>* entries) {
            return listRemote(folder, entries);
        },
        proposedName, parent);
    const int result = dialog.exec();
    if (dialog.listingFailed())
        return false; // the listing recorded its error
    if (result != QDialog::Accepted)
        return cancel();
    *drive = dialog.drive();
    *path = dialog.selectedPath();
    return true;
}

bool DataProvider::chooseAndReadFile(int dialogType, QWidget* parent, ParameterImage& image,
                                     int mode, QString* shownName, UnkeptTexts* texts,
                                     QString* source)
{
    int drive = IO::FileDialog::PcDisk;
    QString path;
    if (!chooseFile(dialogType, parent, QString(), &drive, &path))
        return false;
    WaitCursor wait;
    if (drive == IO::FileDialog::Orbilux) {
        *shownName = IO::FileDialog::driveLabels[IO::FileDialog::Orbilux];
        if (source)
            *source = IO::controllerAddress;
        return readUnitPart(image, true, nullptr, CommandFault(), QString(), texts);
    }
    *shownName = path;
    if (source)
        *source = path;
    QString local = path;
    if (drive == IO::FileDialog::CFast) {
        // A file on the unit is read from a local copy.
        local = m_folders.localTmpFile;
        if (!transfer(false, local, path,
                      lowerSetting("FakeFileOpRetryFail") == QLatin1String("get"),
                      QStringLiteral("FakeFileOpRetryFail=get")))
            return false;
    }
    return readParameterFile(image, local, mode, true, texts);
}

int DataProvider::fileReadMode()
{
    return Setting::instance()->isTrue(QStringLiteral("ReadRCParamFromFile"))
               ? IO::Procedure::AllParts
               : IO::Procedure::UserPart;
}

bool DataProvider::readFile(QWidget* parent)
{
    BusyScope busy(this);
    Parameter* store = Parameter::instance();
    // The file merges into the present edit data; on failure nothing changes.
    ParameterImage image = store->editImage();
    UnkeptTexts texts = store->unkeptTexts();
    QString name;
    const int mode = fileReadMode();
    const bool ok =
        (mayDropUnwrittenChanges(parent) || cancel()) &&
        chooseAndReadFile(IO::FileDialog::OpenParameterFile, parent, image, mode, &name, &texts);
    QStringList untaken;
    if (ok) {
        if (mode != IO::Procedure::AllParts)
            untaken = untakenValues(image, texts);
        store->editImage() = image;
        store->unkeptTexts() = texts;
        store->setMasterData(true);
        m_masterSource = name;
        // A file read whole brings its own robot part.
        if (mode == IO::Procedure::AllParts)
            m_robotPartSource.clear();
    }
    finish(Operation::OpenFile, ok, parent,
           tr("The parameter file was read.\nFilename: %1").arg(DisplayText::fileName(name)));
    if (ok)
        showLimitNotice(parent, operationName(Operation::OpenFile), untaken);
    return ok;
}

bool DataProvider::mayDropUnwrittenChanges(QWidget* parent)
{
    const Parameter* store = Parameter::instance();
    if (!store->hasUnwrittenChanges())
        return true;
    QStringList names;
    for (const IO::ComparisonView::Row& row :
         IO::ComparisonView::differences(store->appliedImage(), store->masterImage()))
        names << tr("%1: %2 (was %3)")
                     .arg(row.name, ChoiceTexts::shown(row.no, row.left),
                          ChoiceTexts::shown(row.no, row.right));
    // Keeping the work is the default.
    const bool drop = askDefaultNo(
        operationName(Operation::OpenFile),
        tr("Applied changes are not yet written. Open another file and lose them?"), names, parent);
    qInfo().noquote() << "DataProvider::readFile" << names.size() << "unwritten changes ->"
                      << (drop ? "dropped" : "kept");
    return drop;
}

bool DataProvider::verifyFile(QWidget* parent)
{
    BusyScope busy(this);
    const ParameterImage& applied = Parameter::instance()->appliedImage();
    ParameterImage file = applied;
    QString name;
    QString text;
    const bool ok =
        chooseAndReadFile(IO::FileDialog::VerifyParameterFile, parent, file, fileReadMode(), &name);
    if (ok)
        text = reviewDifferences(file, applied, tr("File"), parent) + QLatin1Char('\n') +
               tr("Filename: %1").arg(DisplayText::fileName(name));
    return finish(Operation::VerifyFile, ok, parent, text);
}

bool DataProvider::writeFile(QWidget* parent)
{
    BusyScope busy(this);
    int drive = IO::FileDialog::PcDisk;
    QString path;
    // Declining to write values outside their limits is a cancel, as the
    // chooser's is, not a failure.
    bool ok = (confirmLimits(Parameter::instance()->appliedImage(),
                             operationName(Operation::OutputFile), parent) ||
               cancel()) &&
              chooseFile(IO::FileDialog::SaveParameterFile, parent,
                         timeStampedName(Constants::parameterFilePrefix), &drive, &path);
    if (ok) {
        WaitCursor wait;
        // Written from a copy, so that the applied image keeps its own signature.
        ParameterImage image = Parameter::instance()->appliedImage();
        const QString local =
            drive == IO::FileDialog::CFast ? localTmpDir + QFileInfo(path).fileName() : path;
        if (!m_procedure->outputFile(local, image))
            ok = failOnFile(FileWriteError, local);
        else if (drive == IO::FileDialog::CFast)
            ok = transfer(true, local, path,
                          lowerSetting("FakeFileOpRetryFail") == QLatin1String("put"),
                          QStringLiteral("FakeFileOpRetryFail=put"));
    }
    return finish(
        Operation::OutputFile, ok, parent,
        tr("The parameter file was written.\nFilename: %1").arg(DisplayText::fileName(path)));
}

bool DataProvider::readRobotParam(QWidget* parent)
{
    BusyScope busy(this);
    Parameter* store = Parameter::instance();
    ParameterImage image = store->editImage();
    UnkeptTexts texts; // of the robot part read
    QString name;
    QString source;
    const bool ok = chooseAndReadFile(IO::FileDialog::OpenRobotData, parent, image,
                                      IO::Procedure::RobotPart, &name, &texts, &source);
    if (ok) {
        const FieldDef* typeName = ParameterLayout::findByNo(101); // RobotTypeName
        const bool otherRobot =
            typeName && image.text(*typeName) != store->editImage().text(*typeName);
        // Another robot type brings another robot model, under a wait cursor.
        std::optional<WaitCursor> wait;
        if (otherRobot) {
            wait.emplace();
            emit robotModelUnloading();
        }
        // Only the robot part is new: what was applied to the user part and
        // not written stays so, in the status line and on closing.
        store->takePart(image, m_procedure->lastTakenCells(), texts);
        // The set keeps its source and trailer; the robot part's file is
        // named beside it. The unit is no file: it skips no check.
        m_robotPartSource = source;
        m_robotPartFile =
            source == IO::controllerAddress ? ParameterImage() : m_procedure->lastFileImage();
        if (otherRobot)
            emit robotModelChanged();
    }
    finish(Operation::ReadRobotData, ok, parent,
           tr("The robot data was read.\nFilename: %1").arg(DisplayText::fileName(name)));
    if (ok) {
        QStringList skipped;
        for (const QString& label : skippedCheckLabels(m_robotPartFile))
            skipped << tr("%1: 9894, not checked").arg(label);
        showLimitNotice(
            parent, operationName(Operation::ReadRobotData), QStringList(),
            skipped.isEmpty()
                ? QString()
                : tr("The robot data file is not signed: %1").arg(DisplayText::fileName(name)),
            skipped);
    }
    return ok;
}

QStringList DataProvider::skippedCheckLabels(const ParameterImage& file)
{
    // The decoder tells which checks a file skips; these are their names
    // on the signature page.
    const std::pair<const char*, const char*> names[] = {
        {"whole", QT_TR_NOOP("Whole Settings CRC")},
        {"system", QT_TR_NOOP("System Settings CRC")},
        {"monitor", QT_TR_NOOP("Monitor Settings CRC")},
        {"signal", QT_TR_NOOP("Signal Settings CRC")},
        {"all data", QT_TR_NOOP("All data CRC")},
    };
    const QStringList skipped = IO::Decoder::skippedChecks(file);
    QStringList labels;
    for (const auto& [name, label] : names)
        if (skipped.contains(QLatin1String(name)))
            labels << tr(label);
    return labels;
}

bool DataProvider::setPass(QWidget* parent)
{
    BusyScope busy(this);
    bool ok = false;
    if (!m_online) {
        fail(ConnectionError, DataProviderErrorRecord::MonitorCommandSource, QString());
    } else {
        IO::PasswordDialog dialog(IO::PasswordDialog::ChangePassword, parent);
        if (dialog.exec() != QDialog::Accepted) {
            cancel();
        } else {
            WaitCursor wait;
            const QString fake = lowerSetting("FakeOBXPassRetryFail");
            CommandFault checkFault;
            CommandFault changeFault;
            if (fake == QLatin1String("chk"))
                checkFault.reply = QStringLiteral("NG:COMM");
            else if (fake == QLatin1String("chg"))
                changeFault.reply = QStringLiteral("NG:COMM");
            ok = runCommand(QStringLiteral("ZSAFM_PASS /CHK ") + dialog.currentPassword(), nullptr,
                            0, checkFault) &&
                 runCommand(QStringLiteral("ZSAFM_PASS /CHG ") + dialog.newPassword(), nullptr, 0,
                            changeFault);
        }
    }
    return finish(Operation::ChangePassword, ok, parent, tr("The password was changed."));
}

QVector<LimitEntry> DataProvider::masterOutsideLimits()
{
    const Parameter* store = Parameter::instance();
    return ValueValidator::check(store->masterImage(), store->masterTexts());
}

QStringList DataProvider::untakenValues(const ParameterImage& held,
                                        const UnkeptTexts& heldTexts) const
{
    // Every cell the read took holds the file's value and text, so what still
    // differs is what it left as held.
    const ParameterImage& file = m_procedure->lastFileImage();
    QStringList lines;
    for (const IO::ComparisonView::Row& row : IO::ComparisonView::differences(file, held))
        lines << tr("%1: file %2, held %3").arg(row.name, row.left, row.right);
    for (const LimitEntry& entry : ValueValidator::check(file, m_procedure->lastFileTexts())) {
        const FieldDef* field = ParameterLayout::findByNo(entry.no);
        // A null text (none held) is not the empty one the file may have.
        const QString heldText = heldTexts.textAt(held, entry.offset);
        if (entry.problem != LimitEntry::TextNotKept || !field ||
            std::memcmp(file.data() + entry.offset, held.data() + entry.offset,
                        std::size_t(ParameterLayout::valueSize(field->type))) != 0 ||
            (!heldText.isNull() && heldText == entry.fileText))
            continue;
        lines << tr("%1: file %2, held %3")
                     .arg(entry.displayName, UnkeptTexts::shown(entry.fileText),
                          DisplayText::shown(entry.valueText));
    }
    return lines;
}

QString DataProvider::untakenCountText(int count)
{
    return count == 1 ? tr("1 value of the file's robot part was not taken: the robot data "
                           "held stays")
                      : tr("%1 values of the file's robot part were not taken: the robot data "
                           "held stays")
                            .arg(count);
}

QString DataProvider::startupReadTitle()
{
    return tr("Parameter set read at start-up");
}

void DataProvider::showLimitNotice(QWidget* parent, const QString& title,
                                   const QStringList& untaken, const QString& note,
                                   const QStringList& noteLines)
{
    if (m_limitNotice)
        m_limitNotice->close();
    const QVector<LimitEntry> entries = masterOutsideLimits();
    const FindingCount found = FindingCount::of(entries);
    qInfo().noquote() << "DataProvider::showLimitNotice values outside their limits:"
                      << found.outsideLimits << "file texts not kept:" << found.textsNotKept
                      << "untaken:" << untaken.size();
    if (entries.isEmpty() && untaken.isEmpty() && note.isEmpty())
        return;
    QStringList caption;
    if (!note.isEmpty())
        caption << note;
    if (!entries.isEmpty())
        caption << found.text();
    if (!untaken.isEmpty())
        caption << untakenCountText(untaken.size());
    auto* notice = new LongMessageBox(
        found.outsideLimits == 0 ? title : tr("Values outside their limits"),
        caption.join(QLatin1Char('\n')),
        (noteLines + entryLines(entries) + untaken).join(QLatin1Char('\n')), parent);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    // Beside the work, not over all of it: the window stays in sight and usable.
    notice->setFixedSize(900, 420);
    // A notice, not a question: OK alone closes it.
    if (auto* cancel = notice->findChild<QWidget*>(QStringLiteral("messageBoxCancel")))
        cancel->hide();
    notice->show();
    // Above the window it belongs to, even where the window manager would
    // keep a window that the user did not open below the active one.
    notice->raise();
    m_limitNotice = notice;
}

bool DataProvider::confirmLimits(const ParameterImage& image, const QString& title, QWidget* parent)
{
    return confirmLimits(ValueValidator::check(image), title, parent);
}

bool DataProvider::confirmLimits(const QVector<LimitEntry>& entries, const QString& title,
                                 QWidget* parent)
{
    if (entries.isEmpty())
        return true;
    const FindingCount found = FindingCount::of(entries);
    const bool write =
        askDefaultNo(title, found.text() + QLatin1Char('\n') + tr("Write them anyway?"),
                     entryLines(entries), parent);
    qWarning().noquote() << "DataProvider::confirmLimits" << title << found.outsideLimits
                         << "values outside their limits," << found.textsNotKept
                         << "file texts not kept ->" << (write ? "write" : "not written");
    return write;
}

bool DataProvider::askDefaultNo(const QString& title, const QString& text, const QStringList& lines,
                                QWidget* parent)
{
    constexpr int shownLines = 10;
    QString shown = lines.mid(0, shownLines).join(QLatin1Char('\n'));
    if (lines.size() > shownLines)
        shown += QLatin1Char('\n') + tr("... and %1 more").arg(lines.size() - shownLines);
    MsgBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setInformativeText(shown);
    box.setDetailedText(lines.join(QLatin1Char('\n')));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool DataProvider::fail(qint32 code, qint32 source, const QString& text)
{
    m_error.set(code, source);
    m_error.lastErrorText = text;
    return false;
}

bool DataProvider::failOnFile(qint32 code, const QString& path)
{
    return fail(code, DataProviderErrorRecord::FileProcedureSource, DisplayText::fileName(path));
}

bool DataProvider::cancel()
{
    return fail(Canceled, DataProviderErrorRecord::NoSource, QString());
}

bool DataProvider::finish(Operation operation, bool ok, QWidget* parent, const QString& successText)
{
    static const char* const methods[] = {"readSAFM", "verifySAFM", "writeSAFM",  "readRobotParam",
                                          "setPass",  "readFile",   "verifyFile", "writeFile"};
    const QString name = operationName(operation);
    QString title;
    int icon = QMessageBox::Information;
    if (ok) {
        title = tr("%1 completed").arg(name);
    } else if (m_error.errorCode == Canceled) {
        title = tr("%1 canceled").arg(name);
    } else if (m_error.errorCode == TimeoutError) {
        title = tr("%1 timed out").arg(name);
        icon = QMessageBox::Warning;
    } else {
        title = tr("%1 error").arg(name);
        icon = QMessageBox::Critical;
    }
    const char* method = methods[int(operation)];
    if (ok)
        qInfo().noquote() << QStringLiteral("DataProvider::%1 ->").arg(QLatin1String(method))
                          << okNgText(true);
    else
        qWarning().noquote() << QStringLiteral("DataProvider::%1 ->").arg(QLatin1String(method))
                             << okNgText(false) << "errorCode:" << m_error.errorCode
                             << "source:" << m_error.source;
    messageBox(title, ok ? successText : resultBody(), parent, icon, 1);
    emit operationFinished();
    return ok;
}

QString DataProvider::resultBody() const
{
    QString body;
    switch (m_error.errorCode) {
    case ConnectionError:
        body = tr("Body can not connect");
        break;
    case CommandError:
        body = commandErrorText(m_error.lastErrorText);
        break;
    case TransferError:
        body = tr("Body transfer error");
        break;
    case TimeoutError:
        body = tr("Body timeout");
        break;
    case DataProviderErrorRecord::FileReadError:
        body = tr("Body file read error");
        break;
    case DataProviderErrorRecord::FileFormatError:
        body = tr("Body file format error");
        break;
    case FileWriteError:
        body = tr("Body file write error");
        break;
    case NoDataError:
        body = tr("Body no data");
        break;
    case Canceled:
        body = tr("Body canceled");
        break;
    default:
        body = tr("Body unknown error");
        break;
    }
    if (!m_error.lastErrorText.isEmpty())
        body += QLatin1Char('\n') + m_error.lastErrorText;
    return body;
}

QString DataProvider::commandErrorText(const QString& reply)
{
    // The code runs up to the first blank or line end.
    const QString code = reply.mid(3).section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
    if (code == QLatin1String("COMM"))
        return tr("Body NG:COMM");
    if (code == QLatin1String("SEMA"))
        return tr("Body NG:SEMA");
    if (code == QLatin1String("R_SFPRMBIN"))
        return tr("Body NG:R_SFPRMBIN");
    if (code == QLatin1String("ROBOTBUSY"))
        return tr("Body NG:ROBOTBUSY");
    if (code == QLatin1String("MTRON"))
        return tr("Body NG:MTRON");
    return tr("Body command error");
}

QString DataProvider::operationName(Operation operation) const
{
    switch (operation) {
    case Operation::ReadUnit:
        return tr("Read Orbilux");
    case Operation::VerifyUnit:
        return tr("Verify Orbilux");
    case Operation::WriteUnit:
        return tr("Write Orbilux");
    case Operation::ReadRobotData:
        return tr("Read Robot Data");
    case Operation::ChangePassword:
        return tr("Change Password");
    case Operation::OpenFile:
        return tr("Open File");
    case Operation::VerifyFile:
        return tr("Verify File");
    case Operation::OutputFile:
        return tr("Output ParameterFile");
    }
    return QString();
}
