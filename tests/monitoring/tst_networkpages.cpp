// The safety network pages without a unit: the reply parser, the
// indicators and what the pages show offline.

#include "app/core/languagesetting.h"
#include "monitoring/monitoringfooter.h"
#include "monitoring/networkparameters.h"
#include "monitoring/networksafetystatus.h"
#include "monitoring/networkstatus.h"
#include "monitoringfixture.h"
#include "widgets/toggleswitch.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(EipsData)

class TestNetworkPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<IO::MirelClient> m_client;

    static EipsData parsed(const QString& reply)
    {
        EipsData data;
        NetworkStatus::parseEipsData(&data, reply);
        return data;
    }

private slots:
    void initTestCase()
    {
        m_client = prepareScreenTests();
        // Offline: commands succeed without being sent.
        DataProvider::create(nullptr);
        QVERIFY(!DataProvider::instance()->online());
    }
    void init() { clearScreenData(); }

    void parseFullReply_data()
    {
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("LF") << "\n";
        QTest::newRow("CR LF") << "\r\n";
    }
    void parseFullReply()
    {
        QFETCH(QString, lineEnd);
        const EipsData data = parsed(
            QStringLiteral("VenderID->1\ndevtype->12\nProductCode->34\nMajorVer->2\n"
                           "MINORVERSION->5\nSafeI->in:100,out:101,size:8\n"
                           "SafetyOutput->a:110,b:111,c:16\nConfigurationAssenblyInstance->120\n"
                           "Port->p:2,s:1\nIPAdd->192.168.0.30\nMACadd->00:11:22:33:44:55\n"
                           "Tunid->n:0x1F,t:0x3C,d:1\nScid->c:017,t:60,d:1\n"
                           "Ocpunid->n:4294967295,t:0,d:70000\nNodeId->7\n")
                .replace(QLatin1Char('\n'), lineEnd));
        QCOMPARE(data.vendorId, QStringLiteral("1"));
        QCOMPARE(data.deviceType, QStringLiteral("12"));
        QCOMPARE(data.productCode, QStringLiteral("34"));
        QCOMPARE(data.majorVersion, QStringLiteral("2"));
        QCOMPARE(data.minorVersion, QStringLiteral("5"));
        QCOMPARE(data.safetyInputInputInstance, QStringLiteral("100"));
        QCOMPARE(data.safetyInputOutputInstance, QStringLiteral("101"));
        QCOMPARE(data.safetyInputSize, QStringLiteral("8 byte"));
        QCOMPARE(data.safetyOutputSize, QStringLiteral("16 byte"));
        QCOMPARE(data.configurationAssemblyInstance, QStringLiteral("120"));
        QCOMPARE(data.portInfo, QStringLiteral("2:1(eth1:1)"));
        QCOMPARE(data.ipAddress, QStringLiteral("192.168.0.30"));
        QCOMPARE(data.macAddress, QStringLiteral("00:11:22:33:44:55"));
        QCOMPARE(data.nodeId, QStringLiteral("7"));
        QCOMPARE(data.tunid.first, 0x1Fu);
        QCOMPARE(data.tunid.time, 0x3Cu);
        QCOMPARE(data.scid.first, 017u); // leading 0: octal
        QCOMPARE(data.ocpunid.first, 4294967295u);
        QCOMPARE(int(data.ocpunid.date), 70000 & 0xFFFF);
        QVERIFY(data.tunid.present && data.scid.present && data.ocpunid.present);
    }

    void parseOddLines_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<QString>("inputSize");
        QTest::addColumn<QString>("portInfo");
        QTest::addColumn<bool>("tunid");
        struct Case
        {
            const char *tag, *reply, *vendor, *inputSize, *portInfo;
            bool tunid;
        };
        const Case cases[] = {
            {"empty", "", "", "", "", false},
            {"key with an arrow", "VenderId->X->9", "", "", "", false},
            {"later line wins", "vendorid->1\nVENDERID->2", "2", "", "", false},
            {"no arrow, unknown key", "VenderId=3\nColour->red", "", "", "", false},
            {"two input pairs", "SafetyInput->a:1,b:2", "", "", "", false},
            {"four input pairs", "SafetyInput->a:1,b:2,c:3,d:4", "", "", "", false},
            {"an item with two colons", "SafeI->a:1,b:2:3,c:3,d:4", "", "4 byte", "", false},
            {"port of three pairs", "Port->a:2,b:1,c:0", "", "", "", false},
            {"port 0", "Port->a:0,b:1", "", "", "", false},
            {"port without sub", "Port->a:2,b:0", "", "", "2(eth1)", false},
            {"identifier of two pairs", "Tunid->a:1,b:2", "", "", "", false},
            {"identifier not a number", "Tunid->a:x,b:y,c:z", "", "", "", true},
            {"partial reply, cut line", "VendorId->8\r\nDevTy", "8", "", "", false},
        };
        for (const Case& c : cases)
            QTest::newRow(c.tag) << QString(c.reply) << QString(c.vendor) << QString(c.inputSize)
                                 << QString(c.portInfo) << c.tunid;
    }
    void parseOddLines()
    {
        QFETCH(QString, reply);
        QFETCH(QString, vendor);
        QFETCH(QString, inputSize);
        QFETCH(QString, portInfo);
        QFETCH(bool, tunid);
        const EipsData data = parsed(reply);
        QCOMPARE(data.vendorId, vendor);
        QCOMPARE(data.deviceType, QString());
        QCOMPARE(data.safetyInputSize, inputSize);
        QCOMPARE(data.portInfo, portInfo);
        QCOMPARE(data.tunid.present, tunid);
        QCOMPARE(data.tunid.first, 0u);
    }

    void scidDate()
    {
        EipsData::Identifier scid;
        scid.time = 0x3C;
        scid.date = 1;
        QCOMPARE(NetworkParameters::scidDateTime(scid),
                 QDateTime(QDate(1972, 1, 2), QTime(0, 0, 0, 60), Qt::UTC));
        scid.time = 86400000;
        QVERIFY(!NetworkParameters::scidDateTime(scid).isValid());
        scid.time = 0;
        scid.date = 65535;
        QVERIFY(!NetworkParameters::scidDateTime(scid).isValid());
    }

    void indicatorColours_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("phase0");
        QTest::addColumn<QColor>("phase1");
        const QColor grey = NetworkSafetyStatus::grey;
        const QColor green = NetworkSafetyStatus::green;
        const QColor red = NetworkSafetyStatus::red;
        QTest::newRow("off") << 0 << grey << grey;
        QTest::newRow("steady green") << 1 << green << green;
        QTest::newRow("flashing green") << 2 << green << grey;
        QTest::newRow("flashing red") << 3 << red << grey;
        QTest::newRow("steady red") << 4 << red << red;
        QTest::newRow("red and green") << 5 << red << green;
        QTest::newRow("out of range") << 7 << grey << grey;
    }
    void indicatorColours()
    {
        QFETCH(int, state);
        QFETCH(QColor, phase0);
        QFETCH(QColor, phase1);
        NetworkSafetyStatus page;
        page.setLedStates(state, 0);
        QCOMPARE(page.indicatorColor(0), phase0);
        QVERIFY(page.indicator(0)->styleSheet().startsWith(
            QString::asprintf("color:#%02X%02X%02X", phase0.red(), phase0.green(), phase0.blue())));
        // Two ticks of 250 ms make one phase.
        page.timeout();
        QCOMPARE(page.indicatorColor(0), phase0);
        page.timeout();
        QCOMPARE(page.indicatorColor(0), phase1);
        QCOMPARE(page.isBlinking(), phase0 != phase1);
        QCOMPARE(page.connectionField()->text(),
                 state == 1 ? QStringLiteral("Connected") : QStringLiteral("Disconnected"));
    }

    void blinkPhaseRestartsOnAnotherState()
    {
        NetworkSafetyStatus page;
        page.setLedStates(2, 3);
        page.timeout();
        page.timeout();
        QCOMPARE(page.blinkPhase(0), 1);
        page.setLedStates(2, 3); // the same states: the phase goes on
        QCOMPARE(page.blinkPhase(0), 1);
        page.setLedStates(3, 3);
        QCOMPARE(page.blinkPhase(0), 0);
        QCOMPARE(page.blinkPhase(1), 1);
        page.setLedStates(1, 4); // nothing blinks: the timer stops
        QVERIFY(!page.isBlinking());
    }

    void statusPageFollowsTheRecordWhileShown()
    {
        NetworkSafetyStatus page;
        sharedRecord().networkStatusLed = 4;
        sharedRecord().moduleStatusLed = 9;
        page.show();
        page.show();
        QCOMPARE(m_client->updateUseCount(), 1);
        tick(m_client.get());
        QCOMPARE(page.ledState(0), 4);
        QCOMPARE(page.ledState(1), 0);
        page.hide();
        page.hide();
        QCOMPARE(m_client->updateUseCount(), 0);
        sharedRecord().networkStatusLed = 1;
        tick(m_client.get());
        QCOMPARE(page.ledState(0), 4);
    }

    // Offline the query succeeds without a reply: the identifiers show as
    // zeros, the SCID's time stamp as 1 January 1972. No command reaches a
    // unit, so no reboot is asked for. A command offline succeeds without
    // being sent, so an override turned on stays on.
    void offlinePagesShowAndStartNothing()
    {
        NetworkParameters parameters;
        for (int f = 0; f < NetworkParameters::FieldCount; ++f) {
            const bool date = f % 3 == 2;
            QCOMPARE(parameters.field(NetworkParameters::Field(f))->text(),
                     date ? QStringLiteral("0000") : QStringLiteral("00000000"));
        }
        QCOMPARE(
            parameters.scidDateLabel()->text(),
            LanguageSetting::locale().toString(QDateTime(QDate(1972, 1, 1), QTime(0, 0), Qt::UTC),
                                               LanguageSetting::dateTimeFormat()));
        NetworkStatus status;
        QCOMPARE(status.field(0)->text(), QString());
        NetworkSafetyStatus safety;
        safety.show();
        QCOMPARE(safety.portField()->text(), QString());
        BoxRecorder boxes;
        parameters.resetButton(true)->click();
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.lastTitle(), QStringLiteral("NW Parameter Reset"));
        QVERIFY(boxes.lastText().startsWith(QStringLiteral("The parameters were not")));
        QScopedPointer<MonitoringBase> screen(createStatusScreen(8));
        screen->show();
        screen->footer()->overrideSwitch()->setChecked(true);
        QVERIFY(screen->footer()->overrideSwitch()->isChecked());
    }
};

QTEST_MAIN(TestNetworkPages)
#include "tst_networkpages.moc"
