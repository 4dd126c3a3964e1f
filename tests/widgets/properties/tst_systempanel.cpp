// The system page: values, marks, Apply and Cancel, the safety network
// pages, the address in the settings file and the version query.

#include <QDir>
#include <QPushButton>
#include <QState>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/core/startupstate.h"
#include "app/scene/scenemanager.h"
#include "fakemirelcontroller.h"
#include "ftpserver.h"
#include "io/dataprovider.h"
#include "monitoring/monitoringdialog.h"
#include "panelfixture.h"
#include "testfiles.h"
#include "widgets/combobox.h"
#include "widgets/label.h"
#include "widgets/properties/settingsaddressfile.h"
#include "widgets/properties/systemproperty.h"
#include "widgets/properties/view.h"
#include "widgets/properties/window.h"
#include "widgets/spinbox.h"

using Property::System;

namespace {
constexpr int ioBoards = 2492;
constexpr int safetyNetwork = 2496;
} // namespace

class TestSystemPanel : public QObject, PanelTest<System>
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<ComboBox*> m_combos;
    QList<Label*> m_labels;
    QList<SpinBox*> m_ip;

    QString settingsPath() const { return m_dir.filePath(QStringLiteral("config.ini")); }
    void loadAddress(const QByteArray& address)
    {
        loadSettingsFile(m_dir.filePath(QStringLiteral("loaded.ini")),
                         "[Network]\nMirelIPAddress=" + address + "\n");
    }
    void makePanel(const ParameterImage& image)
    {
        delete m_panel;
        open(image);
        m_combos = m_panel->findChildren<ComboBox*>();
        m_labels = m_panel->findChildren<Label*>();
        m_ip = m_panel->findChildren<SpinBox*>();
    }

private slots:
    void initTestCase() { System::setSettingsFilePath(settingsPath()); }
    void init()
    {
        ParameterImage image = defaultImage();
        image.setI16At(0, 1);
        image.setI16At(ioBoards, 2);
        image.setI16At(safetyNetwork, 0);
        image.setParameterVersion(QStringLiteral("V1.2"));
        loadAddress("192.168.0.22");
        makePanel(image);
    }
    void cleanup()
    {
        delete m_panel;
        m_panel = nullptr;
    }

    void valuesAndTexts()
    {
        QCOMPARE(m_combos[0]->currentText(), QStringLiteral("2"));
        QCOMPARE(m_combos[1]->currentText(), QStringLiteral("Disabled"));
        QCOMPARE(m_combos[2]->currentText(), QStringLiteral("Operation Panel"));
        QCOMPARE(m_labels[0]->text(), QStringLiteral("Clean"));
        QCOMPARE(m_labels[1]->text(), QStringLiteral("V1.2"));
        QCOMPARE(m_labels[5]->text(), QStringLiteral("1.0.0.12"));
        QCOMPARE(m_ip[0]->value(), 192);
        QCOMPARE(m_ip[3]->value(), 22);
        QVERIFY(!barButton(m_panel, 0)->isEnabled());
    }

    // The version as the notice and the report show it, never as boxes.
    void versionShownEscaped()
    {
        ParameterImage image = m_store->masterImage();
        image.setParameterVersion(QStringLiteral("V\x1b]0;T\x07\x1b[2J"));
        makePanel(image);
        QCOMPARE(m_labels[1]->text(), QStringLiteral("$'V\\x1b]0;T\\x07\\x1b[2J'"));
    }

    void boardsAskAndApplyChangesOnlyTheSection()
    {
        BoxAnswers boxes;
        m_combos[0]->setCurrentIndex(3); // as chosen
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("change confirmation")});
        QCOMPARE(m_combos[0]->objectName(), QStringLiteral("form-select-changed"));
        m_combos[0]->setCurrentIndex(4);
        QCOMPARE(boxes.titles.size(), 2);
        m_combos[0]->setCurrentIndex(2); // the applied count again: no box
        QCOMPARE(boxes.titles.size(), 2);
        m_combos[0]->setCurrentIndex(4);
        verifyApplyChangesOnly({{ioBoards, ioBoards + 2}}, 65456);
        QCOMPARE(m_combos[0]->objectName(), QStringLiteral("form-select-updated"));
        QCOMPARE(m_store->appliedImage().i16At(ioBoards), qint16(4));

        m_combos[2]->setCurrentIndex(1);
        verifyLeavingAsksAndKeepsOtherPages(65456);
    }

    void safetyNetworkSwitchesTheNetworkPagesAtOnce()
    {
        QObject owner;
        Scene::SceneManager::create(&owner);
        QTRY_VERIFY(Scene::SceneManager::instance()->state(0)->active());
        View::create(&owner);
        Window::create(&owner);
        MonitoringDialog dialog(nullptr);
        Window::instance()->monitoringDialog = &dialog;
        QTabWidget* tabs = dialog.tabWidget();
        const int first = tabs->indexOf(View::instance()->screen(15));

        m_combos[1]->setCurrentIndex(1);
        QCOMPARE(m_store->editImage().i16At(safetyNetwork), qint16(1));
        for (int tab = first; tab < first + 3; ++tab)
            QVERIFY(tabs->isTabEnabled(tab));
        QVERIFY(tabs->isTabEnabled(first - 1));
        m_combos[1]->setCurrentIndex(0);
        QVERIFY(!tabs->isTabEnabled(first + 2));
        Window::instance()->monitoringDialog = nullptr;
    }

    // Open File lists a choice applied here and not written by the text
    // this page shows for it, not by the number it stores.
    void openFileNamesUnwrittenChoicesAsThePage()
    {
        QTemporaryDir folder;
        DataProvider* provider = nullptr;
        startOffline(folder, &provider);
        m_combos[2]->setCurrentIndex(1);
        barButton(m_panel, 0)->click();
        QString listed;
        MsgBox::setAutoAnswer([&listed](QMessageBox& box) {
            QAbstractButton* no = box.button(QMessageBox::No);
            if (no)
                listed = box.informativeText();
            return no ? no : box.button(QMessageBox::Ok);
        });
        const bool read = provider->readFile(nullptr);
        MsgBox::setAutoAnswer(MsgBox::AutoAnswer());
        DataProvider::destroyInstance();
        QVERIFY(!read);
        QVERIFY2(listed.contains(QLatin1String(": User (was Operation Panel)")),
                 qPrintable(listed));
    }

    void addressIsRewrittenInTheSettingsFile()
    {
        const QByteArray before = "[ApplicationSettings]\r\nLanguage=en\r\n[Network]\n"
                                  "  MirelIPAddress=1.1.1.1\nMirelIPAddress=192.168.0.22\n"
                                  "MirelUser=qzoper";
        writeTestFile(settingsPath(), before);
        BoxAnswers boxes;
        m_ip[3]->setValue(23);
        QCOMPARE(m_ip[3]->objectName(), QStringLiteral("form-changed"));
        QVERIFY(barButton(m_panel, 0)->isEnabled());
        const ParameterImage appliedBefore = m_store->appliedImage();
        barButton(m_panel, 0)->click();
        QCOMPARE(readTestFile(settingsPath()),
                 QByteArray(before).replace("=192.168.0.22", "=192.168.0.23"));
        QCOMPARE(boxes.texts, QStringList{QStringLiteral(
                                  "The IP address has changed.\nRestart the application.")});
        QCOMPARE(m_ip[3]->objectName(), QStringLiteral("form-updated"));
        // Apply with only the address changed still stamps the system area.
        QVERIFY(differsOnlyIn(appliedBefore, m_store->appliedImage(),
                              {{65448, 65452}, {65456, 65460}}));
        QVERIFY(m_store->appliedImage().systemUpdateTime() != appliedBefore.systemUpdateTime() ||
                appliedBefore.systemUpdateTime() != 0);
    }

    void unsavedAddressKeepsTheFileAndTheOldAddress()
    {
        // No file can be made beside a name this long, so the write fails.
        const QString longName = m_dir.filePath(QString(250, QLatin1Char('c')));
        const QByteArray content = "MirelIPAddress=192.168.0.22\n";
        writeTestFile(longName, content);
        System::setSettingsFilePath(longName);
        BoxAnswers boxes;
        m_ip[0]->setValue(10);
        barButton(m_panel, 0)->click();
        QCOMPARE(readTestFile(longName), content);
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("IP address not saved")});
        QCOMPARE(m_ip[0]->objectName(), QStringLiteral("form-changed"));
        QVERIFY(barButton(m_panel, 0)->isEnabled());

        // An unreadable source: nothing written, no box.
        System::setSettingsFilePath(m_dir.filePath(QStringLiteral("absent.ini")));
        barButton(m_panel, 0)->click();
        QCOMPARE(boxes.titles.size(), 1);
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("absent.ini"))));

        // All zero is refused; Cancel puts the applied octets back.
        for (SpinBox* box : m_ip)
            box->setValue(0);
        barButton(m_panel, 0)->click();
        QCOMPARE(boxes.titles.last(), QStringLiteral("IP address outside range"));
        QVERIFY(m_panel->requestClose());
        QCOMPARE(m_ip[0]->value(), 192);
        System::setSettingsFilePath(settingsPath());
    }

    void shortAddressIsPadded()
    {
        loadAddress("10.0.1");
        makePanel(m_store->masterImage());
        QCOMPARE(m_ip[0]->value(), 10);
        QCOMPARE(m_ip[2]->value(), 1);
        QCOMPARE(m_ip[3]->value(), 0);
        QCOMPARE(m_ip[3]->objectName(), QString());
    }

    void rewrittenKeepsEverythingElse()
    {
        const QString tail = QString(120, QLatin1Char('x'));
        const QByteArray text = "a\r\nMirelIPAddress=" + tail.toUtf8() + "\r\nb";
        QCOMPARE(SettingsAddressFile::rewritten(text, QStringLiteral("1.2.3.4")),
                 "a\r\nMirelIPAddress=1.2.3.4" + tail.mid(100 - 15).toUtf8() + "\r\nb");
        QCOMPARE(SettingsAddressFile::rewritten("MirelIPAddress", QStringLiteral("1.2.3.4")),
                 QByteArray("MirelIPAddress=1.2.3.4"));
    }

    // "ZSAFM_VERSION" is asked on every refresh: when the page is built,
    // edited, refreshed, shown or given new data.
    void versionsAreAskedOnEveryRefresh()
    {
        FtpServer server(QStringLiteral("tester"), QStringLiteral("tester"));
        startControllerServer(server, m_dir);
        loadSettingsFile(m_dir.filePath(QStringLiteral("online.ini")),
                         "[Network]\nMirelIPAddress=127.0.0.1\nMirelUser=tester\n"
                         "FtpMaxRetryCount=0\n");
        auto unit = std::make_unique<FakeMirelController>();
        FakeMirelController* fake = unit.get();
        fake->answers.insert(QStringLiteral("ZSAFM_VERSION"), {0, QStringLiteral("A 1.0\nB 2.0")});
        DataProvider* provider = DataProvider::create(nullptr, std::move(unit), server.port());
        QVERIFY(provider->createRemoteDirectories());
        const auto asked = [fake] { return fake->requests.count(QStringLiteral("ZSAFM_VERSION")); };

        makePanel(m_store->masterImage());
        QCOMPARE(asked(), 1);
        QCOMPARE(m_labels[2]->text(), QStringLiteral("A 1.0"));
        QCOMPARE(m_labels[3]->text(), QStringLiteral("B 2.0"));
        QCOMPARE(m_labels[4]->text(), QString()); // no third line: kept

        m_ip[3]->setValue(30);
        QCOMPARE(asked(), 2);
        m_combos[2]->setCurrentIndex(1);
        QCOMPARE(asked(), 3);
        m_panel->updateUI();
        QCOMPARE(asked(), 4);
        emit m_store->parameterChanged(Parameter::AppliedData);
        QCOMPARE(asked(), 5);
        m_panel->show();
        QCOMPARE(asked(), 6);
        fake->answers.insert(QStringLiteral("ZSAFM_VERSION"), {0, QStringLiteral("A 1.1\nB 2.0")});
        loadMaster(m_store, m_store->masterImage());
        QCOMPARE(asked(), 7);
        QCOMPARE(m_labels[2]->text(), QStringLiteral("A 1.1"));

        // The unit's error reply is shown like any other: it replaces the
        // version reply, and a processor without a line keeps its text.
        fake->answers.insert(QStringLiteral("ZSAFM_VERSION"), {0, QStringLiteral("NG:123")});
        loadMaster(m_store, m_store->masterImage());
        QCOMPARE(asked(), 8);
        QCOMPARE(m_labels[2]->text(), QStringLiteral("NG:123"));
        QCOMPARE(m_labels[3]->text(), QStringLiteral("B 2.0"));
        delete m_panel;
        m_panel = nullptr;
        DataProvider::destroyInstance();
    }
};

QTEST_MAIN(TestSystemPanel)
#include "tst_systempanel.moc"
