// Without a controller: the online decision, monitor commands that are not
// sent, the file operations on the PC's disk, and the exchange's own dialogs
// (what the comparison lists, which passwords and file names are taken).

#include "dataproviderfixture.h"
#include "editedfile.h"
#include "imagecells.h"
#include "messagecapture.h"
#include "parameter/logictable.h"
#include "parameter/parameter.h"
#include "parameter/parameterdefdb.h"

#include <QPushButton>
#include <QTcpServer>
#include <QtTest>

class TestDataProviderOffline : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    DataProvider* m_provider = nullptr;
    Parameter* m_store = nullptr;

    void loadTestSettings(const QByteArray& test = QByteArray(),
                          const QString& parameterPath = QString())
    {
        loadSettings(m_dir,
                     "ParameterPath=" +
                         (parameterPath.isEmpty() ? m_dir.path() : parameterPath).toUtf8() + "\n",
                     "MirelIPAddress=127.0.0.1\nMirelUser=tester\nFtpMaxRetryCount=0\n", test);
    }
    QStringList filesLike(const QString& pattern) const
    {
        return QDir(m_dir.path()).entryList({pattern}, QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        prepareLocalFolders(m_dir);
        m_store = Parameter::instance();
    }
    void init()
    {
        loadTestSettings();
        m_store->editImage() = changedImage(1);
        m_store->unkeptTexts().clear();
        m_store->setMasterData(true);
    }
    void cleanup() { DataProvider::destroyInstance(); }

    void onlineNeedsMessagingAndFtp_data()
    {
        QTest::addColumn<int>("transport"); // 0 none, 1 connect refused, 2 connected
        QTest::addColumn<bool>("loginTried");
        QTest::newRow("shipped program: no transport") << 0 << false;
        QTest::newRow("messaging down") << 1 << false;
        QTest::newRow("FTP refused") << 2 << true;
    }
    void onlineNeedsMessagingAndFtp()
    {
        QFETCH(int, transport);
        std::unique_ptr<FakeMirelController> unit;
        if (transport > 0) {
            unit = std::make_unique<FakeMirelController>();
            unit->connectResult =
                transport == 1 ? IO::MirelTransport::ConnectFailed : IO::MirelTransport::Ok;
        }
        // A port where nothing listens.
        quint16 port = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        }
        isOnline = true;
        MessageCapture log;
        m_provider = DataProvider::create(nullptr, std::move(unit), port);
        QVERIFY(!m_provider->createRemoteDirectories());
        QVERIFY(!m_provider->online());
        QVERIFY(!isOnline);
        QTEST(log.contains(QStringLiteral("FtpClient::login")), "loginTried");
        QVERIFY(!log.contains(QStringLiteral("FtpClient::mkdir")));
        QVERIFY(log.contains(QStringLiteral("localTmpFile: ") + localTmpDir + "safm.tmp"));
    }

    void offlineCommandsAreNotSent()
    {
        auto unit = std::make_unique<FakeMirelController>();
        FakeMirelController* fake = unit.get();
        m_provider = DataProvider::create(nullptr, std::move(unit), 9);
        fake->dropConnection(); // messaging lost: the run is offline
        QVERIFY(!m_provider->createRemoteDirectories());
        MessageCapture log;
        QString reply = QStringLiteral("untouched");
        QVERIFY(m_provider->executeMonitorMirel(QStringLiteral("ZSAFM_PASS /CHG hidden1"), &reply));
        QCOMPARE(reply, QStringLiteral("untouched"));
        QVERIFY(fake->requests.isEmpty());
        QVERIFY(log.contains(QStringLiteral("ZSAFM_PASS /CHG ********")));
        QVERIFY(!log.contains(QStringLiteral("hidden1")));
    }

    void defaultFileAtStartUp()
    {
        m_provider = DataProvider::create();
        BoxRecorder boxes;
        MessageCapture log;
        ParameterImage image;
        QVERIFY(m_provider->initializeForTest(&image));
        QVERIFY(image == defaultImage());
        QVERIFY(log.contains(QStringLiteral("Reading ") + m_dir.path() + "/default.txt"));

        loadTestSettings(QByteArray(), m_dir.filePath(QStringLiteral("absent")));
        const ParameterImage before = image;
        QVERIFY(!m_provider->initializeForTest(&image));
        QVERIFY(image == before);
        QVERIFY(log.contains(QStringLiteral("DataProvider::initializeForTest -> NG")));
        QVERIFY(boxes.boxes.isEmpty());

        // The start that must end then names the file and the reason.
        const QString cannot = QStringLiteral("The default parameter set %1 cannot be read: ");
        m_provider->showDefaultSetFailure();
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Start-up error"));
        QCOMPARE(boxes.boxes.last().icon, int(QMessageBox::Critical));
        QCOMPARE(boxes.lastText(), cannot.arg(m_dir.filePath("absent/default.txt")) +
                                       "the file is missing, too large or cannot be opened.");
        QTemporaryDir corrupt;
        writeTestFile(corrupt.filePath("default.txt"), ".OBXDATA\nnonsense\n.END\n");
        loadTestSettings(QByteArray(), corrupt.path());
        QVERIFY(!m_provider->initializeForTest(&image));
        m_provider->showDefaultSetFailure();
        QCOMPARE(boxes.lastText(), cannot.arg(corrupt.filePath("default.txt")) +
                                       "it is not a valid parameter file, or its CRC does not "
                                       "match its data.");
        // Without "ParameterPath" no file at the root is tried.
        loadSettings(m_dir, QByteArray(), QByteArray());
        QVERIFY(!m_provider->initializeForTest(&image));
        QVERIFY(!log.contains(QStringLiteral("Open Error: /default.txt")));
        m_provider->showDefaultSetFailure();
        QVERIFY(boxes.lastText().contains("config.ini has no \"ParameterPath\""));
        QVERIFY(image == before);
    }

    void unitOperationsNeedTheUnit()
    {
        m_provider = DataProvider::create();
        BoxRecorder boxes;
        DialogAnswers dialogs;
        QVERIFY(!m_provider->readSAFM(nullptr));
        QVERIFY(!m_provider->verifySAFM(nullptr));
        QVERIFY(!m_provider->writeSAFM(nullptr));
        QVERIFY(!m_provider->setPass(nullptr));
        QCOMPARE(boxes.boxes.size(), 4);
        for (const BoxRecorder::Box& box : qAsConst(boxes.boxes)) {
            QVERIFY2(box.title.endsWith(QLatin1String(" error")), qPrintable(box.title));
            QCOMPARE(box.text, QStringLiteral("Cannot communicate with the controller."));
        }
        QVERIFY(m_store->masterImage() == changedImage(1));
    }

    void filesOnThePC()
    {
        m_provider = DataProvider::create();
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFile = [this](IO::FileDialog& dialog) {
            return !dialog.isDriveOffered(IO::FileDialog::CFast) &&
                   dialog.drive() == IO::FileDialog::PcDisk && dialog.setLocalFolder(m_dir.path());
        };
        const ParameterImage applied = m_store->appliedImage();
        QVERIFY(m_provider->writeFile(nullptr));
        QVERIFY(m_store->appliedImage() == applied); // the signature went to the file only
        const QStringList written = filesLike(QStringLiteral("OBX_Safetyparam_*.txt"));
        QCOMPARE(written.size(), 1);
        QVERIFY(boxes.lastText().contains(written.first()));

        // The file against changed applied data, then read back.
        m_store->editImage().setI16At(userValueOffset, 3);
        m_store->update();
        dialogs.chooseFile = [&](IO::FileDialog& dialog) {
            const bool found = dialog.setLocalFolder(m_dir.path());
            dialog.setFileName(written.first());
            return found;
        };
        QVERIFY(m_provider->verifyFile(nullptr));
        QCOMPARE(dialogs.comparedRows.size(), 1);
        QCOMPARE(dialogs.comparedRows.first().left, QStringLiteral("1"));
        QCOMPARE(dialogs.comparedRows.first().right, QStringLiteral("3"));
        QVERIFY(dialogs.listedFiles.contains(written.first()));
        QVERIFY(!dialogs.listedFiles.contains(QStringLiteral("config.ini")));

        QVERIFY(m_provider->readFile(nullptr));
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Open File completed"));
        QCOMPARE(m_store->masterImage().i16At(userValueOffset), qint16(1));
        QVERIFY(m_store->editImage() == m_store->appliedImage());

        boxes.boxes.clear();
        dialogs.chooseFile = [](IO::FileDialog&) { return false; };
        QVERIFY(!m_provider->readFile(nullptr));
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Open File canceled"));
    }

    // Open File replaces the set: applied changes that wait to be written
    // are named first, and only Yes loses them. No (the default, as Escape)
    // leaves everything as it was, before any file is chosen.
    void openFileAsksBeforeLosingUnwrittenChanges_data()
    {
        QTest::addColumn<bool>("unwritten");
        QTest::addColumn<bool>("answer");
        QTest::newRow("none waiting: no question") << false << false;
        QTest::newRow("yes: the file is read") << true << true;
        QTest::newRow("no: all stays") << true << false;
    }
    void openFileAsksBeforeLosingUnwrittenChanges()
    {
        QFETCH(bool, unwritten);
        QFETCH(bool, answer);
        const QString file = m_dir.filePath(QStringLiteral("other.txt"));
        QVERIFY(writeImage(file, changedImage(4)));
        if (unwritten) {
            m_store->editImage().setI16At(userValueOffset, 3);
            m_store->update();
            // A choice is applied too (an unused row of the logic table).
            QVERIFY(LogicTable::setType(m_store->appliedImage(), 400, 2));
        }
        const ParameterImage applied = m_store->appliedImage();
        m_provider = DataProvider::create();
        DialogAnswers dialogs;
        bool chosen = false;
        dialogs.chooseFile = [&](IO::FileDialog& dialog) {
            chosen = true;
            dialog.setFileName(file);
            return true;
        };
        QStringList questions;
        QString result;
        MsgBox::setAutoAnswer([&](QMessageBox& box) -> QAbstractButton* {
            if (!box.button(QMessageBox::No)) {
                result = box.windowTitle();
                return box.button(QMessageBox::Ok);
            }
            questions << box.windowTitle() << box.text() << box.informativeText()
                      << QString::number(box.standardButton(box.defaultButton()) ==
                                             QMessageBox::No &&
                                         box.escapeButton() == box.button(QMessageBox::No));
            return box.button(answer ? QMessageBox::Yes : QMessageBox::No);
        });
        const bool read = m_provider->readFile(nullptr);
        MsgBox::setAutoAnswer(MsgBox::AutoAnswer());
        const bool reads = answer || !unwritten;
        QCOMPARE(read, reads);
        QCOMPARE(chosen, reads);
        QCOMPARE(result, reads ? QStringLiteral("Open File completed")
                               : QStringLiteral("Open File canceled"));
        QCOMPARE(m_store->masterImage().i16At(userValueOffset), qint16(reads ? 4 : 1));
        QCOMPARE(m_store->appliedImage() == applied, !reads);
        if (!unwritten) {
            QVERIFY(questions.isEmpty());
            return;
        }
        QCOMPARE(questions.size(), 4);
        QCOMPARE(questions[0], QStringLiteral("Open File"));
        QCOMPARE(questions[1], QStringLiteral("Applied changes are not yet written. Open another "
                                              "file and lose them?"));
        QVERIFY2(questions[2].contains(QLatin1String("I/O")) &&
                     questions[2].contains(QLatin1String(": 3 (was 1)")) &&
                     // named as the page names it
                     questions[2].contains(QLatin1String(": AND (was (Invalid))")),
                 qPrintable(questions[2]));
        QCOMPARE(questions[3], QStringLiteral("1"));
    }

    // Read Robot Data takes the robot part alone into the three images, with
    // its file texts: changes applied to the user part and not written stay
    // unwritten, and the user part's texts stay noted.
    void robotDataKeepsUnwrittenChanges()
    {
        const FieldDef& filterTime = fieldNamed("UsrSafetyFilterTime");
        const FieldDef& th0 = fieldNamed("DHPrmTh0");
        const int filterOffset = ParameterLayout::cellOffset(filterTime, 0, 0);
        const int th0Offset = ParameterLayout::cellOffset(th0, 0, 0);
        ParameterImage user = changedImage(1);
        QVERIFY(user.setI16(filterTime, 0, 0, 2));
        QVERIFY(writeEditedFile(m_dir.filePath(QStringLiteral("user.txt")), user,
                                {{"UsrSafetyFilterTime", 0, 0, QStringLiteral("65538")}}));
        ParameterImage robot = changedImage(4, QStringLiteral("QR6-0900"));
        QVERIFY(robot.setF32(th0, 0, 0, 0.0f));
        QVERIFY(writeEditedFile(m_dir.filePath(QStringLiteral("robot.txt")), robot,
                                {{"DHPrmTh0", 0, 0, QStringLiteral("abc")}}));
        m_provider = DataProvider::create();
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(m_dir.filePath(QStringLiteral("user.txt")));
        QVERIFY(m_provider->readFile(nullptr));
        m_store->editImage().setI16At(userValueOffset, 3);
        m_store->update();

        dialogs.chooseFileNamed(m_dir.filePath(QStringLiteral("robot.txt")));
        QSignalSpy changes(m_store, &Parameter::parameterChanged);
        QVERIFY(m_provider->readRobotParam(nullptr));
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Read Robot Data completed"));
        // The pages, their marks and the monitoring screens take the new set.
        QVERIFY(std::any_of(changes.begin(), changes.end(), [](const QList<QVariant>& change) {
            return change.at(0).value<Parameter::DataType>() == Parameter::MasterData;
        }));
        for (const ParameterImage* image :
             {&m_store->masterImage(), &m_store->appliedImage(), &m_store->editImage()}) {
            QCOMPARE(image->textAt(robotTypeOffset), QStringLiteral("QR6-0900"));
            QCOMPARE(image->i16At(filterOffset), qint16(2));
        }
        QCOMPARE(m_store->masterImage().i16At(userValueOffset), qint16(1));
        QCOMPARE(m_store->appliedImage().i16At(userValueOffset), qint16(3));
        QVERIFY(m_store->editImage() == m_store->appliedImage());
        QVERIFY(m_store->hasUnwrittenChanges());
        for (const UnkeptTexts* texts : {&m_store->masterTexts(), &m_store->unkeptTexts()}) {
            QCOMPARE(texts->textAt(m_store->masterImage(), filterOffset), QStringLiteral("65538"));
            QCOMPARE(texts->textAt(m_store->masterImage(), th0Offset), QStringLiteral("abc"));
        }
    }

    void fileFaults_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<bool>("writing");
        QTest::addColumn<QString>("body");
        QTest::newRow("nodata") << QByteArray("FakeFileIOError=NoData\n") << false
                                << "The file holds no parameter data.";
        QTest::newRow("read") << QByteArray("FakeFileIOError=read\n") << false
                              << "The file cannot be read.";
        QTest::newRow("format") << QByteArray("FakeFileIOError=format\n") << false
                                << "The file is not a valid parameter file";
        QTest::newRow("write") << QByteArray("FakeFileIOError=write\n") << true
                               << "The file cannot be written.";
    }
    void fileFaults()
    {
        QFETCH(QByteArray, test);
        QFETCH(bool, writing);
        QFETCH(QString, body);
        const QString file = m_dir.filePath(QStringLiteral("set.txt"));
        QVERIFY(writeImage(file, changedImage(4)));
        const ParameterImage before = m_store->masterImage();
        loadTestSettings(test);
        m_provider = DataProvider::create();
        BoxRecorder boxes;
        DialogAnswers dialogs;
        // Written under a new name: an existing one is asked about first.
        dialogs.chooseFileNamed(writing ? m_dir.filePath(QStringLiteral("new-set.txt")) : file);
        QVERIFY(!(writing ? m_provider->writeFile(nullptr) : m_provider->readFile(nullptr)));
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(boxes.lastTitle().endsWith(QLatin1String(" error")));
        QVERIFY2(boxes.lastText().startsWith(body), qPrintable(boxes.lastText()));
        QVERIFY(m_store->masterImage() == before);
        QVERIFY(m_store->appliedImage() == before);
    }

    // A whole file brings its own robot part: the robot data file read
    // before is no longer named beside the set. The user part alone keeps it.
    void readRCParamFromFileReadsAllParts_data()
    {
        QTest::addColumn<bool>("whole");
        QTest::newRow("whole file") << true;
        QTest::newRow("user part") << false;
    }
    void readRCParamFromFileReadsAllParts()
    {
        QFETCH(bool, whole);
        const QString robot = m_dir.filePath(QStringLiteral("robot part.txt"));
        QVERIFY(writeImage(robot, changedImage(1, QStringLiteral("QR4-0500"))));
        const QString file = m_dir.filePath(QStringLiteral("all.txt"));
        QVERIFY(writeImage(file, changedImage(4, QStringLiteral("QR6-0900"))));
        loadTestSettings(whole ? "ReadRCParamFromFile=true\n" : "");
        m_provider = DataProvider::create();
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(robot);
        QVERIFY(m_provider->readRobotParam(nullptr));
        QCOMPARE(m_provider->robotPartSource(), robot);
        dialogs.chooseFileNamed(file);
        QVERIFY(m_provider->readFile(nullptr));
        QCOMPARE(m_store->masterImage().textAt(robotTypeOffset),
                 whole ? QStringLiteral("QR6-0900") : QStringLiteral("QR4-0500"));
        QCOMPARE(m_store->masterImage().i16At(userValueOffset), qint16(4));
        QCOMPARE(m_provider->robotPartSource(), whole ? QString() : robot);
    }

    void reportNextToTheParameterFiles()
    {
        m_provider = DataProvider::create();
        BoxRecorder boxes;
        QVERIFY(m_provider->writeReport(nullptr));
        const QStringList written = filesLike(QStringLiteral("OBX_Safetyreport_*.txt"));
        QCOMPARE(written.size(), 1);
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Safety Report"));
        QCOMPARE(boxes.lastText(), QStringLiteral("Safety report published. Filename: ") +
                                       m_dir.filePath(written.first()));
    }

    void comparisonListsEveryDifferentValue()
    {
        const ParameterImage left = defaultImage();
        ParameterImage right = left;
        right.setTextAt(4 + 2 * 32, QStringLiteral("EXTRA-AXIS")); // robot type of device 2
        right.setF32At(2796 + 24, 0.1f);                           // TCP_X of tool 2
        right.setU32At(56268 + 4, 5u);                             // second word of a mask
        right.setU32At(ParameterLayout::WholeCrcOffset, 1u);       // the trailer is no parameter

        const QVector<IO::ComparisonView::Row> rows = IO::ComparisonView::differences(left, right);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].no, 101);
        QCOMPARE(rows[0].left, QString());
        QCOMPARE(rows[0].right, QStringLiteral("EXTRA-AXIS"));
        QVERIFY2(rows[0].name.endsWith(QLatin1String("(Name 3)")), qPrintable(rows[0].name));
        QCOMPARE(rows[1].no, 3004);
        QCOMPARE(rows[1].right, QStringLiteral("0.1"));
        QVERIFY2(rows[1].name.endsWith(QLatin1String("(Tool 2)")), qPrintable(rows[1].name));
        QCOMPARE(rows[2].no, 3315);
        QCOMPARE(rows[2].right.section(QLatin1Char(','), 1).trimmed(),
                 QStringLiteral("0x00000005"));
        const ParameterDefDB* db = ParameterDefDB::instance();
        QVERIFY(rows[2].name.startsWith(db->displayName(db->findParamByNo(3315))));

        // Values that print alike at six digits still read differently.
        right = left;
        right.setF32At(2796, 1.0000001f);
        const auto close = IO::ComparisonView::differences(left, right);
        QCOMPARE(close.size(), 1);
        QVERIFY(close[0].left != close[0].right);
    }

    void passwordsAreSingleWords_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("valid");
        QTest::newRow("word") << "Abc123!" << true;
        QTest::newRow("non-ASCII") << "p\u00e4ss" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "a b" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("line break") << "a\nZSAFM_LOAD /FIX" << false;
    }
    void passwordsAreSingleWords()
    {
        QFETCH(QString, password);
        QFETCH(bool, valid);
        IO::PasswordDialog dialog(IO::PasswordDialog::ChangePassword);
        dialog.setCurrentPassword(QStringLiteral("old"));
        dialog.setNewPassword(password);
        QCOMPARE(dialog.isAcceptable(), valid);
        IO::PasswordDialog::setAutoAnswer([](IO::PasswordDialog&) { return true; });
        QCOMPARE(dialog.exec(), valid ? int(QDialog::Accepted) : int(QDialog::Rejected));
        IO::PasswordDialog::setAutoAnswer(IO::PasswordDialog::AutoAnswer());
    }

    // A name to save under that exists is asked about, by the name written
    // (a report's ends in ".pdf"); No, the default as Escape's, returns to
    // the dialog, which may then be cancelled. Opening never asks.
    void savingOverAnExistingFileAsks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("accepted");
        const int save = IO::FileDialog::SaveParameterFile;
        const int report = IO::FileDialog::SaveSafetyReport;
        const QString base = QStringLiteral("base.txt already exists. Replace it?");
        QTest::newRow("new name") << save << false << "new.txt" << false << QStringList() << true;
        QTest::newRow("existing, No")
            << save << false << "base.txt" << false << QStringList{base} << false;
        QTest::newRow("existing, Yes")
            << save << false << "base.txt" << true << QStringList{base} << true;
        QTest::newRow("on the controller, No")
            << save << true << "base.txt" << false << QStringList{base} << false;
        QTest::newRow("report named without its suffix")
            << report << false << "old" << false
            << QStringList{"old.pdf already exists. Replace it?"} << false;
        QTest::newRow("report: only a file without the suffix exists")
            << report << false << "base" << false << QStringList() << true;
        QTest::newRow("opening") << int(IO::FileDialog::OpenParameterFile) << false << "base.txt"
                                 << false << QStringList() << true;
    }
    void savingOverAnExistingFileAsks()
    {
        QFETCH(int, type);
        QFETCH(bool, online);
        QFETCH(QString, name);
        QFETCH(bool, replace);
        QTemporaryDir folder;
        for (const char* existing : {"base.txt", "old.pdf", "base"})
            QVERIFY(writeTestFile(folder.filePath(QLatin1String(existing)), "kept") != QString());
        const auto lister = [](const QString&, QVector<FtpListEntry>* entries) {
            FtpListEntry entry;
            entry.name = QStringLiteral("base.txt");
            entries->append(entry);
            return true;
        };
        IO::FileDialog dialog(IO::FileDialog::Type(type), online, folder.path(), "/remote", lister);
        int answered = 0;
        IO::FileDialog::setAutoAnswer([&](IO::FileDialog& chooser) {
            chooser.setFileName(name);
            return ++answered == 1; // the second time back in the dialog: Cancel
        });
        QStringList asked;
        bool keepsByDefault = true;
        MsgBox::setAutoAnswer([&](QMessageBox& box) {
            asked << box.text();
            keepsByDefault &= box.defaultButton() == box.button(QMessageBox::No) &&
                              box.escapeButton() == box.button(QMessageBox::No);
            return box.button(replace ? QMessageBox::Yes : QMessageBox::No);
        });
        const int result = dialog.exec();
        IO::FileDialog::setAutoAnswer(IO::FileDialog::AutoAnswer());
        QTEST(asked, "asked");
        QTEST(result == QDialog::Accepted, "accepted");
        QCOMPARE(answered, asked.isEmpty() || replace ? 1 : 2);
        QVERIFY(keepsByDefault);

        // A person's click on OK is asked the same; after No the dialog is
        // still open, and only Cancel ends it.
        asked.clear();
        IO::FileDialog shown(IO::FileDialog::Type(type), online, folder.path(), "/remote", lister,
                             name);
        QTimer::singleShot(0, &shown, [&shown] {
            for (QPushButton* button : shown.findChildren<QPushButton*>())
                if (button->isDefault()) // OK
                    QTest::mouseClick(button, Qt::LeftButton);
            if (shown.isVisible())
                shown.reject();
        });
        const int clicked = shown.exec();
        MsgBox::setAutoAnswer(MsgBox::AutoAnswer());
        QTEST(asked, "asked");
        QTEST(clicked == QDialog::Accepted, "accepted");
    }

    void namesOnTheControllerStayInItsFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "OBX_Safetyparam_1.txt" << true;
        QTest::newRow("parent folder") << "../x.txt" << false;
        QTest::newRow("absolute") << "/etc/x.txt" << false;
        QTest::newRow("backslash") << "..\\x.txt" << false;
    }
    void namesOnTheControllerStayInItsFolder()
    {
        QFETCH(QString, name);
        const auto lister = [](const QString&, QVector<FtpListEntry>*) { return true; };
        IO::FileDialog dialog(IO::FileDialog::SaveParameterFile, true, m_dir.path(), "/remote",
                              lister, name);
        QCOMPARE(dialog.drive(), IO::FileDialog::CFast);
        IO::FileDialog::setAutoAnswer([](IO::FileDialog&) { return true; });
        QTEST(dialog.exec() == QDialog::Accepted, "accepted");
        IO::FileDialog::setAutoAnswer(IO::FileDialog::AutoAnswer());
    }
};

QTEST_MAIN(TestDataProviderOffline)
#include "tst_dataprovider_offline.moc"
