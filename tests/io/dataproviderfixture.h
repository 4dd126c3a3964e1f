#pragma once

// Shared by the data provider tests: a simulated controller, the settings
// file, parameter files and the recording of every result box.

#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "defaultimage.h"
#include "fakemirelcontroller.h"
#include "ftpserver.h"
#include "io/comparisonview.h"
#include "io/dataprovider.h"
#include "io/filedialog.h"
#include "io/passworddialog.h"
#include "parameter/parameterimage.h"
#include "parameter/procedure.h"
#include "testfiles.h"
#include "widgets/msgbox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

#include <functional>

// A user-part value and a robot-part text of the image, changed by the tests.
constexpr int userValueOffset = 2492; // I/OBoardSheets, 0..4
constexpr int robotTypeOffset = 4;    // RobotTypeName of the robot

// The controller as far as the exchange sees it: answers monitor commands
// (scripted replies first, then the answer table, then "OK") and moves the
// transfer files in its FTP folder the way the unit does.
class SimulatedController : public FakeMirelController
{
public:
    QString ftpRoot;  // local folder of the FTP server's "/"
    QString unitFile; // the parameter set the unit runs, as a parameter file
    QString password = QStringLiteral("secret");
    QHash<QString, QStringList> scripted; // command -> replies, first used first

    int count(const QString& prefix) const
    {
        int n = 0;
        for (const QString& request : requests)
            n += request.startsWith(prefix) ? 1 : 0;
        return n;
    }

    int callService(const QString& service, const QString& request, int timeoutMs,
                    QString* reply) override
    {
        QStringList& queue = scripted[request];
        if (!queue.isEmpty()) {
            requests << request;
            *reply = queue.takeFirst();
            return Ok;
        }
        const QString tmp = ftpRoot + QStringLiteral("/tmp/");
        const QStringList words = request.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (request.startsWith(QLatin1String("ZSAFM_SAVE")) && words.size() == 3) {
            copy(unitFile, tmp + words[2]);
        } else if (request.startsWith(QLatin1String("ZSAFM_LOAD /CHK")) && words.size() == 3) {
            copy(tmp + words[2], tmp + QStringLiteral("safm_save.tmp"));
        } else if (request == QLatin1String("ZSAFM_LOAD /FIX")) {
            copy(tmp + QStringLiteral("safm_save.tmp"), unitFile);
        } else if (request.startsWith(QLatin1String("ZSAFM_PASS /CHK")) && words.size() == 3 &&
                   words[2] != password) {
            requests << request;
            *reply = QStringLiteral("NG:PASSWORD");
            return Ok;
        }
        return FakeMirelController::callService(service, request, timeoutMs, reply);
    }

private:
    static void copy(const QString& from, const QString& to)
    {
        QFile::remove(to);
        QFile::copy(from, to);
    }
};

// The English texts, so that the tests read what a user reads.
inline bool installEnglish()
{
    static QTranslator english;
    static const bool loaded = english.load(QStringLiteral(":/config/i18n/en.qm"));
    return loaded && QCoreApplication::installTranslator(&english);
}

inline void loadSettings(const QTemporaryDir& dir, const QByteArray& application,
                         const QByteArray& network, const QByteArray& test = QByteArray())
{
    loadSettingsFile(dir.filePath(QStringLiteral("config.ini")), "[ApplicationSettings]\n" +
                                                                     application + "[Network]\n" +
                                                                     network + "[Test]\n" + test);
}

inline ParameterImage changedImage(qint16 userValue, const QString& robotType = QString())
{
    ParameterImage image = defaultImage();
    image.setI16At(userValueOffset, userValue);
    if (!robotType.isEmpty())
        image.setTextAt(robotTypeOffset, robotType);
    return image;
}

inline bool writeImage(const QString& path, ParameterImage image)
{
    IO::Procedure procedure;
    return procedure.outputFile(path, image) == 1;
}

// The PC's side inside dir: the parameter folder with the shipped set, and
// the local temporary folder.
inline void prepareLocalFolders(const QTemporaryDir& dir)
{
    QVERIFY(installEnglish());
    QVERIFY(QFile::copy(defaultSetPath(), dir.filePath(QStringLiteral("default.txt"))));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("local")));
    localTmpDir = dir.filePath(QStringLiteral("local/"));
}

// The PC alone, with the shipped set in dir's parameter folder: the
// provider finds no unit and works on files.
inline void startOffline(const QTemporaryDir& dir, DataProvider** provider)
{
    prepareLocalFolders(dir);
    loadSettings(dir, "ParameterPath=" + dir.path().toUtf8() + "\n",
                 "MirelIPAddress=127.0.0.1\nFtpMaxRetryCount=0\n");
    *provider = DataProvider::create();
    QVERIFY(!(*provider)->createRemoteDirectories());
}

// The FTP server with the controller's own folders, and the PC's side. No
// proxy may stand between the tests and the server.
inline void startControllerServer(FtpServer& server, const QTemporaryDir& dir)
{
    for (const char* name : {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    QVERIFY(QDir(server.rootPath()).mkpath(QStringLiteral("tmp")));
    QVERIFY(QDir(server.rootPath()).mkpath(QStringLiteral("qordata")));
    prepareLocalFolders(dir);
}

// Every MsgBox shown while it lives, answered without a person: questions
// take the next answer of `answers` (Yes when none is left), other boxes OK.
class BoxRecorder
{
public:
    struct Box
    {
        QString title;
        QString text;
        int icon;
    };
    QList<Box> boxes;
    QList<bool> answers;

    BoxRecorder()
    {
        MsgBox::setAutoAnswer([this](QMessageBox& box) -> QAbstractButton* {
            boxes << Box{box.windowTitle(), box.text(), int(box.icon())};
            if (QAbstractButton* yes = box.button(QMessageBox::Yes)) {
                const bool answer = answers.isEmpty() || answers.takeFirst();
                return answer ? yes : box.button(QMessageBox::No);
            }
            return box.button(QMessageBox::Ok);
        });
    }
    ~BoxRecorder() { MsgBox::setAutoAnswer(MsgBox::AutoAnswer()); }
    QString lastTitle() const { return boxes.isEmpty() ? QString() : boxes.last().title; }
    QString lastText() const { return boxes.isEmpty() ? QString() : boxes.last().text; }
};

// The caption and the list of the notice that follows a read; empty while
// none is open.
inline QString limitNoticeText(const DataProvider* provider)
{
    const QWidget* notice = provider->limitNotice();
    const QLabel* caption = notice ? notice->findChild<QLabel*>() : nullptr;
    const QTextEdit* list = notice ? notice->findChild<QTextEdit*>() : nullptr;
    return caption && list ? caption->text() + QLatin1Char('\n') + list->toPlainText() : QString();
}

// Answers the exchange's own dialogs while it lives.
class DialogAnswers
{
public:
    QString currentPassword = QStringLiteral("secret");
    QString newPassword = QStringLiteral("newsecret");
    bool acceptPassword = true;
    bool acceptComparison = true;
    QVector<IO::ComparisonView::Row> comparedRows;
    // Chooses the file; returns false to cancel.
    std::function<bool(IO::FileDialog&)> chooseFile = [](IO::FileDialog&) { return false; };
    void chooseFileNamed(const QString& name)
    {
        chooseFile = [name](IO::FileDialog& dialog) {
            dialog.setFileName(name);
            return true;
        };
    }
    QStringList listedFiles;

    DialogAnswers()
    {
        IO::PasswordDialog::setAutoAnswer([this](IO::PasswordDialog& dialog) {
            dialog.setCurrentPassword(currentPassword);
            dialog.setNewPassword(newPassword);
            return acceptPassword;
        });
        IO::ComparisonView::setAutoAnswer([this](IO::ComparisonView& view) {
            comparedRows = view.rows();
            return acceptComparison;
        });
        IO::FileDialog::setAutoAnswer([this](IO::FileDialog& dialog) {
            listedFiles = dialog.listedFiles();
            return chooseFile(dialog);
        });
    }
    ~DialogAnswers()
    {
        IO::PasswordDialog::setAutoAnswer(IO::PasswordDialog::AutoAnswer());
        IO::ComparisonView::setAutoAnswer(IO::ComparisonView::AutoAnswer());
        IO::FileDialog::setAutoAnswer(IO::FileDialog::AutoAnswer());
    }
};
