#pragma once

#include "io/mireltransport.h"
#include "parameter/dataprovidererrorrecord.h"
#include "parameter/parameterimage.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

class ParameterImage;
class UnkeptTexts;
struct LimitEntry;

class FtpClient;
struct FtpListEntry;
namespace IO {
class MirelClient;
class Procedure;
} // namespace IO

// Every exchange with the unit and with parameter files passes through here.
// Each user operation clears the error record, counts itself busy, runs its
// own dialogs and ends with one result box; the FTP connection is closed
// when the busy count returns to zero. Callers ignore the returned result.
class DataProvider : public QObject
{
    Q_OBJECT

public:
    // Codes of the error record beside those of the file procedures
    // (DataProviderErrorRecord::FileReadError and FileFormatError).
    enum ErrorCode : qint32
    {
        NoError = 0,
        ConnectionError = 10, // no answer from the unit, or not online
        CommandError = 11,    // the unit answered "NG:" and a code
        TransferError = 12,   // an FTP command failed
        TimeoutError = 13,    // FTP time-out, or the write's time limit passed
        FileWriteError = 14,
        NoDataError = 15, // the chosen file holds no data
        Canceled = 16,
    };

    // The controller's FTP port.
    static constexpr quint16 defaultFtpPort = 21;
    // The unit keeps a checked parameter set this long for "ZSAFM_LOAD /FIX".
    static constexpr int writeFixLimitMs = 8 * 60 * 1000;

    // Creates the process-wide provider on the first call (later calls return
    // the same object) with its FTP client, file procedures and messaging
    // adapter. transport: the messaging transport; none in the shipped
    // program, which therefore runs offline and never touches the network.
    static DataProvider* create(QObject* parent = nullptr,
                                std::unique_ptr<IO::MirelTransport> transport = nullptr,
                                quint16 ftpPort = defaultFtpPort);
    static DataProvider* instance();
    // Deletes the provider so that the next create() builds a new one. Only
    // tests call it; the program keeps its provider until it ends.
    static void destroyInstance();

    bool online() const;
    bool createRemoteDirectories();
    bool executeMonitorMirel(const QString& command, QString* reply, int timeoutMs = 0);
    bool messageBox(const QString& title, const QString& text, QWidget* parent, int icon, int kind);

    // Start-up reads into the store's edit image.
    // texts, when given, takes the file texts the set read did not keep.
    bool readInitialSAFM(ParameterImage* image, UnkeptTexts* texts = nullptr);
    bool initializeForTest(ParameterImage* image, UnkeptTexts* texts = nullptr);
    // After a failed initializeForTest: a critical box naming the default
    // set's file and why it cannot be read, for a start that must end.
    void showDefaultSetFailure();

    // User commands (menu bar, function menu, close confirmation).
    bool readSAFM(QWidget* parent);
    bool verifySAFM(QWidget* parent);
    bool writeSAFM(QWidget* parent);
    bool readRobotParam(QWidget* parent);
    bool setPass(QWidget* parent);
    bool readFile(QWidget* parent);
    bool verifyFile(QWidget* parent);
    bool writeFile(QWidget* parent);
    bool writeReport(QWidget* parent);

    const DataProviderErrorRecord& errorRecord() const;
    // Where the master data came from: the file's path, or the unit's
    // address when it was read from or written to the unit.
    const QString& masterSource() const { return m_masterSource; }
    // After Read Robot Data: where the robot part came from, and the read
    // image, whose trailer is the robot file's own (so that its skipped
    // checks can be named). Empty while the robot part came with the set.
    const QString& robotPartSource() const { return m_robotPartSource; }
    const ParameterImage& robotPartFile() const { return m_robotPartFile; }
    // The names of the CRCs that a file's trailer stores as 9894, whose
    // checks the loader skipped.
    static QStringList skippedCheckLabels(const ParameterImage& file);

    // The values of the master set that lie outside their limits, judged
    // with the file texts the set did not keep (so that "99999" read into a
    // 16-bit field is named as such) even where Apply changed the cell since.
    static QVector<LimitEntry> masterOutsideLimits();
    // After a read: when the master set holds such values, or the read left
    // values of the file untaken (untaken: a line each), a notice that names
    // them opens beside the window and waits for nothing. A newer read
    // closes an older notice. The start-up calls it once the window exists.
    // title: what was read, the notice's title unless values lie outside
    // their limits. note: a line said before the findings, with its own
    // lines (noteLines) listed first.
    void showLimitNotice(QWidget* parent, const QString& title,
                         const QStringList& untaken = QStringList(),
                         const QString& note = QString(),
                         const QStringList& noteLines = QStringList());
    // The notice's title after the start-up read.
    static QString startupReadTitle();
    // "1 value of the file's robot part was not taken: ...", or N values.
    static QString untakenCountText(int count);
    QWidget* limitNotice() const { return m_limitNotice; }
    // Before anything is certified (a file, a report, the unit's set): true
    // when the image holds no value outside its limits, or the user chose to
    // write it anyway in a box that names them (default No).
    static bool confirmLimits(const ParameterImage& image, const QString& title, QWidget* parent);
    // The same for findings already made (the master set's, with its texts).
    static bool confirmLimits(const QVector<LimitEntry>& entries, const QString& title,
                              QWidget* parent);

signals:
    // readRobotParam brings a robot part of another robot type: the 3D view
    // drops its robot before the new values are taken and loads the new one
    // afterwards.
    void robotModelUnloading();
    void robotModelChanged();
    // A user operation has ended (and shown its result): the master set or
    // where it came from may have changed.
    void operationFinished();

private:
    // Outcome of a monitor command that a test setting replaces.
    struct CommandFault
    {
        QString reply;           // answered with this text instead of the unit
        bool connection = false; // fails as a connection failure
    };

    // The folders and transfer files, set by createRemoteDirectories.
    struct Folders
    {
        QString cfastDataDir;  // the controller's work folder
        QString saveDir;       // its "/save"
        QString saveParamDir;  // parameter files
        QString saveReportDir; // safety reports
        QString saveLogDir;    // the controller's log folder
        QString contTmpDir;    // the controller's transfer folder, ends with "/"
        QString localTmpFile;  // local working file of a file chosen on the unit
        QString localReportFile;
    };
    class BusyScope;
    enum class Operation;

    DataProvider(QObject* parent, std::unique_ptr<IO::MirelTransport> transport, quint16 ftpPort);

    void setFolders();
    bool runCommand(const QString& command, QString* reply, int timeoutMs,
                    const CommandFault& fault);
    bool transfer(bool upload, const QString& localPath, const QString& remotePath, bool fault,
                  const QString& faultText);
    // Records the FTP client's last failure; returns false.
    bool ftpFailure();
    bool listRemote(const QString& folder, QVector<FtpListEntry>* entries);
    // mode: an IO::Procedure::ReadMode, or -1 for the whole set.
    // texts (when given) takes the file's texts that the image did not keep.
    bool readParameterFile(ParameterImage& image, const QString& path, int mode, bool checkNoData,
                           UnkeptTexts* texts = nullptr);
    // transferFault: when not empty, the transfer fails with this text.
    bool readUnitPart(ParameterImage& image, bool robotPart, QString* reply,
                      const CommandFault& fault, const QString& transferFault,
                      UnkeptTexts* texts = nullptr);
    bool readUnitForUser(ParameterImage& image, UnkeptTexts* texts = nullptr);
    bool chooseFile(int dialogType, QWidget* parent, const QString& proposedName, int* drive,
                    QString* path);
    // source: the path, or the unit's address for the unit's robot data.
    bool chooseAndReadFile(int dialogType, QWidget* parent, ParameterImage& image, int mode,
                           QString* shownName, UnkeptTexts* texts = nullptr,
                           QString* source = nullptr);
    // After a read by part: the file's values that the read left as held
    // because they differ (in value, or in a file text the set did not
    // keep), a line each.
    QStringList untakenValues(const ParameterImage& held, const UnkeptTexts& heldTexts) const;
    static int fileReadMode();
    // Before a read replaces the whole set: true when no applied change waits
    // to be written, or the user chose to lose them in a box that names them
    // (default No).
    bool mayDropUnwrittenChanges(QWidget* parent);
    // A warning question whose default, as Escape's, is No; its first ten
    // lines show and the details hold them all.
    static bool askDefaultNo(const QString& title, const QString& text, const QStringList& lines,
                             QWidget* parent);
    QString reviewDifferences(const ParameterImage& other, const ParameterImage& applied,
                              const QString& otherTitle, QWidget* parent);
    bool publishReport(QString* shownName);
    bool writeUnit(QWidget* parent);
    bool fixWrittenSet(QWidget* parent, const QElapsedTimer& sinceCheck, bool forceTimeout,
                       const CommandFault& fault);
    bool fail(qint32 code, qint32 source, const QString& text);
    // A file's fault, the file named as every box names one.
    bool failOnFile(qint32 code, const QString& path);
    bool cancel();
    bool finish(Operation operation, bool ok, QWidget* parent, const QString& successText);
    QString resultBody() const;
    static QString commandErrorText(const QString& reply);
    QString operationName(Operation operation) const;

    FtpClient* m_ftp;
    IO::Procedure* m_procedure;
    IO::MirelClient* m_mirel;
    quint16 m_ftpPort;
    bool m_online = false;
    bool m_onlineDecided = false;
    int m_busyCount = 0;
    Folders m_folders;
    DataProviderErrorRecord m_error;
    QPointer<QWidget> m_limitNotice;
    QString m_masterSource;
    QString m_robotPartSource;
    ParameterImage m_robotPartFile;
};
