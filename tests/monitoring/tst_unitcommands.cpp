// The commands the monitoring screens send to an online unit: the override
// switch and the identifier resets, against scripted replies.

#include "app/core/languagesetting.h"
#include "monitoring/monitoringfooter.h"
#include "monitoring/networkparameters.h"
#include "monitoring/networksafetystatus.h"
#include "monitoring/networkstatus.h"
#include "monitoringfixture.h"
#include "widgets/toggleswitch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString overrideOn = QStringLiteral("ZSAFM_OVERRIDE ON");
const QString overrideOff = QStringLiteral("ZSAFM_OVERRIDE OFF");
} // namespace

// Runs a test's hook while a command waits for its reply, as the event
// loop of a real wait would run ticks and hides.
class WaitingController : public FakeMirelController
{
public:
    std::function<void(const QString&)> whileWaiting;

    int callService(const QString& service, const QString& request, int timeoutMs,
                    QString* reply) override
    {
        if (whileWaiting) {
            auto hook = std::move(whileWaiting);
            hook(request);
        }
        return FakeMirelController::callService(service, request, timeoutMs, reply);
    }
};

class TestUnitCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FtpServer m_server{QStringLiteral("tester"), QStringLiteral("tester")};
    WaitingController* m_unit = nullptr;
    BoxRecorder m_boxes;

    QStringList overrideRequests() const
    {
        QStringList sent;
        for (const QString& request : m_unit->requests)
            if (request.startsWith(QLatin1String("ZSAFM_OVERRIDE")))
                sent << request;
        return sent;
    }
    static void tickFeed() { tick(IO::MirelClient::instance()); }

private slots:
    void initTestCase()
    {
        startControllerServer(m_server, m_dir);
        prepareMonitoringTexts();
        LanguageSetting::setDateTimeFormat();
        loadSettings(m_dir, "",
                     "MirelIPAddress=127.0.0.1\nMirelUser=tester\nMirelMaxRetryCount=0\n"
                     "FtpMaxRetryCount=0\n");
        auto unit = std::make_unique<WaitingController>();
        m_unit = unit.get();
        DataProvider* provider = DataProvider::create(nullptr, std::move(unit), m_server.port());
        QVERIFY(provider->createRemoteDirectories());
        QVERIFY(provider->online());
    }
    void init()
    {
        clearScreenData();
        m_unit->requests.clear();
        m_unit->answers.clear();
        m_boxes.boxes.clear();
    }

    void overrideFollowsTheUnit()
    {
        QScopedPointer<MonitoringBase> screen(createStatusScreen(8));
        screen->show();
        ToggleSwitch* override = screen->footer()->overrideSwitch();
        override->setChecked(true);
        QCOMPARE(overrideRequests(), QStringList{overrideOn});
        QVERIFY(override->isChecked());
        sharedRecord().overrideState = 1;
        tickFeed();
        QVERIFY(override->isChecked());
        // The unit ends the override: the switch goes off and says so once.
        sharedRecord().overrideState = 0;
        tickFeed();
        tickFeed();
        QVERIFY(!override->isChecked());
        QCOMPARE(overrideRequests(), QStringList({overrideOn, overrideOff}));
        // Hiding sends OFF whatever the switch shows.
        screen->hide();
        QCOMPARE(overrideRequests(), QStringList({overrideOn, overrideOff, overrideOff}));
    }

    void refusedOverrideTurnsTheSwitchBack_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("reply");
        QTest::newRow("NG reply") << int(IO::MirelTransport::Ok) << "NG:BUSY";
        QTest::newRow("no answer") << int(IO::MirelTransport::Timeout) << "";
    }
    void refusedOverrideTurnsTheSwitchBack()
    {
        QFETCH(int, result);
        QFETCH(QString, reply);
        m_unit->answers[overrideOn] = {result, reply};
        QScopedPointer<MonitoringBase> screen(createStatusScreen(10));
        screen->show();
        ToggleSwitch* override = screen->footer()->overrideSwitch();
        override->setChecked(true);
        QVERIFY(!override->isChecked());
        // Nothing more is sent for putting it back.
        QCOMPARE(overrideRequests(), QStringList{overrideOn});
    }

    void noSecondCommandWhileOneWaits()
    {
        QScopedPointer<MonitoringBase> screen(createStatusScreen(7));
        screen->show();
        MonitoringFooter* footer = screen->footer();
        QStringList sentWhileWaiting;
        m_unit->whileWaiting = [&](const QString&) {
            footer->sendOverride(false);
            sentWhileWaiting = overrideRequests();
        };
        footer->overrideSwitch()->setChecked(true);
        QCOMPARE(sentWhileWaiting, QStringList());
        // The request made meanwhile follows once the first is answered.
        QCOMPARE(overrideRequests(), QStringList({overrideOn, overrideOff}));
    }

    void destroyedScreenSendsOff()
    {
        auto* screen = createStatusScreen(8);
        delete screen; // never shown: no hide, only the destruction
        QCOMPARE(overrideRequests(), QStringList{overrideOff});
    }

    void resetReportsWhatTheUnitDid_data()
    {
        QTest::addColumn<bool>("ocpunid");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("box");
        const QString reboot("Parameters reset.  \nTurn controller power OFF and ON.");
        QTest::newRow("TUNID accepted") << false << "OK" << reboot;
        QTest::newRow("OCPUNID accepted") << true << "OK" << reboot;
        QTest::newRow("NG") << true << "NG:STATE"
                            << "The parameters were not reset.\nThe unit is not connected or did "
                               "not accept the command.";
    }
    void resetReportsWhatTheUnitDid()
    {
        QFETCH(bool, ocpunid);
        QFETCH(QString, reply);
        QFETCH(QString, box);
        const QString command = ocpunid ? QStringLiteral("ZSAFM_EIPS_OCPUNID_RESET")
                                        : QStringLiteral("ZSAFM_EIPS_TUNID_RESET");
        m_unit->answers[command] = {IO::MirelTransport::Ok, reply};
        m_unit->answers[QStringLiteral("ZSAFM_EIPS_CONF_DISP")] = {
            IO::MirelTransport::Ok,
            QStringLiteral("Tunid->n:0x1F,t:0x3C,d:1\r\nScid->c:1,t:60,d:1")};
        NetworkParameters page;
        QCOMPARE(page.field(NetworkParameters::TunidNode)->text(), QStringLiteral("0000001f"));
        QCOMPARE(page.field(NetworkParameters::ScidDate)->text(), QStringLiteral("0001"));
        QVERIFY(!page.scidDateLabel()->text().isEmpty());
        // No OCPUNID in the reply: it shows as zeros, as offline.
        QCOMPARE(page.field(NetworkParameters::OcpunidNode)->text(), QStringLiteral("00000000"));
        m_unit->requests.clear();
        page.resetButton(ocpunid)->click();
        QCOMPARE(m_unit->requests, QStringList({command, QStringLiteral("ZSAFM_EIPS_CONF_DISP")}));
        QCOMPARE(m_boxes.boxes.size(), 1);
        QCOMPARE(m_boxes.lastTitle(), QStringLiteral("NW Parameter Reset"));
        QCOMPARE(m_boxes.lastText(), box);

        // Any other click only asks again: nothing was reset, so no box says so.
        m_unit->requests.clear();
        QVERIFY(QMetaObject::invokeMethod(&page, "clicked"));
        QCOMPARE(m_unit->requests, QStringList{QStringLiteral("ZSAFM_EIPS_CONF_DISP")});
        QCOMPARE(m_boxes.boxes.size(), 1);
    }

    void pagesShowTheReply()
    {
        m_unit->answers[QStringLiteral("ZSAFM_EIPS_CONF_DISP")] = {
            IO::MirelTransport::Ok,
            QStringLiteral("VendorId->1\r\nPort->a:1,b:0\r\nIPAdd->10.0.0.2\r\nCnfAsmInst->3")};
        NetworkStatus status;
        QCOMPARE(status.field(0)->text(), QStringLiteral("1"));
        QCOMPARE(status.field(11)->text(), QStringLiteral("3"));
        NetworkSafetyStatus safety;
        safety.show();
        QCOMPARE(safety.portField()->text(), QStringLiteral("port1(eth0)"));
        QCOMPARE(safety.ipField()->text(), QStringLiteral("10.0.0.2"));
        // A failed query keeps what the fields show.
        m_unit->answers[QStringLiteral("ZSAFM_EIPS_CONF_DISP")] = {IO::MirelTransport::Timeout,
                                                                   QString()};
        status.updateEipsData();
        QCOMPARE(status.field(0)->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestUnitCommands)
#include "tst_unitcommands.moc"
