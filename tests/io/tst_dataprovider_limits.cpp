// Values outside their limits are told after every read and confirmed
// before anything is written, offline on the PC's disk.

#include "dataproviderfixture.h"
#include "editedfile.h"
#include "imagecells.h"
#include "parameter/parameter.h"
#include "widgets/longmessagebox.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <limits>

class TestDataProviderLimits : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    DataProvider* m_provider = nullptr;
    Parameter* m_store = nullptr;

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QStringList filesLike(const QString& pattern) const
    {
        return QDir(m_dir.path()).entryList({pattern}, QDir::Files);
    }
    QString noticeText() const { return limitNoticeText(m_provider); }

private slots:
    void initTestCase()
    {
        startOffline(m_dir, &m_provider);
        m_store = Parameter::instance();
    }
    void init()
    {
        m_store->editImage() = defaultImage();
        m_store->setMasterData(true);
    }

    // Every kind of bad value loads as it is and is named in one notice that
    // waits for nothing; a clean set closes it and shows none.
    void readTellsOutsideValues()
    {
        ParameterImage bad = defaultImage();
        QVERIFY(bad.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 1, qint16(99999)));
        QVERIFY(bad.setI16(fieldNamed("MoveAreaVertexNum"), 0, 4, -2));
        QVERIFY(bad.setF32(fieldNamed("TCP_X"), 0, 0, std::numeric_limits<float>::quiet_NaN()));
        QVERIFY(bad.setF32(fieldNamed("TCP_Y"), 0, 0, std::numeric_limits<float>::infinity()));
        QVERIFY(bad.setF32(fieldNamed("TCP_Z"), 0, 0, 3e38f));
        QVERIFY(writeEditedFile(path("bad.txt"), bad,
                                {{"UsrSafetyFilterTime", 0, 1, QStringLiteral("99999")}}));
        QVERIFY(writeImage(path("clean.txt"), defaultImage()));
        loadSettings(m_dir, "ParameterPath=" + m_dir.path().toUtf8() + "\n",
                     "MirelIPAddress=127.0.0.1\n", "ReadRCParamFromFile=true\n");

        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(path("bad.txt"));
        QVERIFY(m_provider->readFile(nullptr));
        QVERIFY(m_store->masterImage().areasEqual(bad));
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Open File completed"));
        QPointer<QWidget> notice = m_provider->limitNotice();
        QVERIFY(notice && notice->isVisible() && !notice->isModal());
        const QString text = noticeText();
        // The wrapped 99999 counts once, as a text not kept.
        QVERIFY2(
            text.startsWith(QLatin1String("4 values outside their limits, 1 file text not kept\n")),
            qPrintable(text));
        QVERIFY(text.contains(QLatin1String("-31073 (file: 99999)")));
        QVERIFY(text.contains(QLatin1String("nan")) && text.contains(QLatin1String("inf")));

        dialogs.chooseFileNamed(path("clean.txt"));
        QVERIFY(m_provider->readFile(nullptr));
        QTRY_VERIFY(!notice);
        QVERIFY(!m_provider->limitNotice());
    }

    // A file read by its user part whose robot part differs leaves robot
    // values untaken: the notice names them though no value lies outside its
    // limits.
    void readTellsUntakenRobotValues()
    {
        loadSettings(m_dir, "ParameterPath=" + m_dir.path().toUtf8() + "\n",
                     "MirelIPAddress=127.0.0.1\n");
        ParameterImage other = defaultImage();
        QVERIFY(other.setText(fieldNamed("RobotTypeName"), 0, 0, QStringLiteral("QR6-0900")));
        QVERIFY(writeImage(path("other robot.txt"), other));
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFileNamed(path("other robot.txt"));
        QVERIFY(m_provider->readFile(nullptr));
        QVERIFY(m_store->masterImage().areasEqual(defaultImage()));
        const QWidget* notice = m_provider->limitNotice();
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->windowTitle(), QStringLiteral("Open File"));
        const QString text = noticeText();
        QVERIFY2(text.startsWith(QLatin1String("1 value of the file's robot part was not taken")),
                 qPrintable(text));
        QVERIFY2(text.contains(QLatin1String(": file QR6-0900, held QR6-0700")), qPrintable(text));
    }

    // The start-up's notice is titled by what it read, as each read's is.
    void startupNoticeIsTitledByTheRead()
    {
        m_provider->showLimitNotice(nullptr, DataProvider::startupReadTitle(),
                                    {QStringLiteral("a value not taken")});
        const QWidget* notice = m_provider->limitNotice();
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->windowTitle(), QStringLiteral("Parameter set read at start-up"));
    }

    // Nothing is written unless the user insists; No is the default. No is a
    // cancel, told in the one result box that ends every write.
    void writesAskFirst_data()
    {
        QTest::addColumn<bool>("report");
        QTest::addColumn<bool>("answer");
        QTest::newRow("file, no") << false << false;
        QTest::newRow("file, yes") << false << true;
        QTest::newRow("report, no") << true << false;
    }
    void writesAskFirst()
    {
        QFETCH(bool, report);
        QFETCH(bool, answer);
        QVERIFY(m_store->editImage().setI16(fieldNamed("UsrSafetyFilterTime"), 0, 0, 500));
        m_store->update();
        m_store->setMasterData(report); // the report shows the master set
        for (const QString& file : filesLike(QStringLiteral("OBX_Safety*")))
            QVERIFY(QFile::remove(m_dir.filePath(file)));

        QStringList asked;
        QStringList results;
        MsgBox::setAutoAnswer([&](QMessageBox& box) -> QAbstractButton* {
            if (!box.button(QMessageBox::No)) {
                results << box.windowTitle() + QLatin1Char('|') + box.text();
                return box.button(QMessageBox::Ok);
            }
            const bool noIsDefault = box.standardButton(box.defaultButton()) == QMessageBox::No;
            asked << box.windowTitle() << box.text() << QString::number(noIsDefault);
            return box.button(answer ? QMessageBox::Yes : QMessageBox::No);
        });
        DialogAnswers dialogs;
        dialogs.chooseFile = [this](IO::FileDialog& dialog) {
            return dialog.setLocalFolder(m_dir.path());
        };
        const bool written =
            report ? m_provider->writeReport(nullptr) : m_provider->writeFile(nullptr);
        MsgBox::setAutoAnswer(MsgBox::AutoAnswer());
        QCOMPARE(written, answer);
        QCOMPARE(asked.value(0), report ? QStringLiteral("Safety Report")
                                        : QStringLiteral("Output Parameter File"));
        QVERIFY2(asked.value(1).startsWith(
                     QLatin1String("1 value outside its limits, 0 file texts not kept\n")),
                 qPrintable(asked.value(1)));
        QCOMPARE(asked.value(2), QStringLiteral("1"));
        QCOMPARE(filesLike(QStringLiteral("OBX_Safety*")).size(), answer ? 1 : 0);
        QCOMPARE(results.size(), 1);
        if (!answer)
            QCOMPARE(results[0], (report ? QStringLiteral("Safety Report")
                                         : QStringLiteral("Output Parameter File canceled")) +
                                     QStringLiteral("|The operation was canceled."));
    }
};

QTEST_MAIN(TestDataProviderLimits)
#include "tst_dataprovider_limits.moc"
