#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "app/functionmenuwidget.h"
#include "app/mainwindow.h"
#include "app/menubar.h"
#include "app/scene/scenemanager.h"
#include "app/windowplacement.h"
#include "io/dataprovider.h"
#include "io/filedialog.h"
#include "io/mirelclient.h"
#include "monitoring/monitoringdialog.h"
#include "monitoring/monitoringheader.h"
#include "monitoring/monitoringmotionarea.h"
#include "parameter/parameter.h"
#include "view3d/areamonitorview.h"
#include "view3d/glwidget.h"
#include "widgets/msgbox.h"
#include "widgets/properties/view.h"
#include "widgets/properties/window.h"

#include "areamodelbudget.h"
#include "imagecells.h"
#include "testfiles.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QAction* findAction(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu())
            if (QAction* found = findAction(action->menu(), text))
                return found;
    }
    return nullptr;
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(int* count) : m_count(count) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++*m_count;
        return false;
    }

private:
    int* m_count;
};

} // namespace

Q_DECLARE_METATYPE(QMargins)
Q_DECLARE_METATYPE(std::optional<QMargins>)

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTranslator m_translator;
    std::unique_ptr<MainWindow> m_window;

    Parameter* store() { return Parameter::instance(); }
    QMenu* menu(const QString& title)
    {
        for (QAction* action : m_window->menuBar()->actions())
            if (action->text() == title)
                return action->menu();
        return nullptr;
    }

    // Shows Safety Input and types a filter time there without applying it;
    // returns the edit image as it was before.
    ParameterImage typeAFilterTimeOnSafetyInput()
    {
        Scene::SceneManager* scenes = Scene::SceneManager::instance();
        scenes->loadScene(35); // safety input
        QTest::qWaitFor([scenes] { return scenes->state(35)->active(); });
        ParameterImage& edit = store()->editImage();
        const ParameterImage loaded = edit;
        edit.setI16At(61996, qint16(edit.i16At(61996) + 1)); // a filter time
        return loaded;
    }

    // Opens the monitoring dialog from the function menu over the current
    // page, as a click on Monitoring does.
    void openMonitoringOverThePage()
    {
        auto* functionMenu = m_window->findChild<FunctionMenuWidget*>();
        QVERIFY(functionMenu);
        functionMenu->menuClicked(functionMenu->menuItem(Scene::MonitoringScene), 0);
        QTRY_VERIFY(Window::instance()->monitoringDialog->isVisible());
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        localTmpDir = m_dir.path() + QStringLiteral("/tmp/");
        QDir().mkpath(localTmpDir);
        QVERIFY(m_translator.load(QStringLiteral("en"), QStringLiteral(":/config/i18n")));
        QCoreApplication::installTranslator(&m_translator);
        DataProvider::create();
        m_window = std::make_unique<MainWindow>();
    }
    void init()
    {
        isOnline = false;
        store()->appliedImage() = store()->masterImage();
    }
    void cleanup() { MsgBox::setAutoAnswer(nullptr); }

    void costBarFollowsTheBudget_data()
    {
        QTest::addColumn<int>("extraSpheres");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* tag, int spheres, int value, const char* text,
                            const char* name) {
            QTest::newRow(tag) << spheres << value << QString(text) << QString(name);
        };
        row("nothing enabled", -1, 1240, "1240 / 1240", "progress-bar-full");
        row("at the budget", 0, 0, "0 / 1240", "progress-bar");
        row("over the budget", 1, 0, "-6 / 1240", "progress-bar");
    }
    void costBarFollowsTheBudget()
    {
        QFETCH(int, extraSpheres);
        ParameterImage& image = store()->editImage();
        const ParameterImage saved = image;
        image = ParameterImage();
        if (extraSpheres >= 0)
            fillToBudget(image, extraSpheres);
        store()->calculateCost();
        QProgressBar* bar = m_window->costBar();
        QTEST(bar->value(), "value");
        QTEST(bar->text(), "text");
        QTEST(bar->objectName(), "name");
        image = saved;
        store()->calculateCost();
    }

    void closeConfirmation_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("fileFault");
        QTest::addColumn<bool>("closes");
        const auto row = [](const char* tag, bool online, QMessageBox::ButtonRole role,
                            const char* fault, bool closes) {
            QTest::newRow(tag) << online << int(role) << QString(fault) << closes;
        };
        row("offline yes, file written", false, QMessageBox::YesRole, "", true);
        row("offline yes, file not written", false, QMessageBox::YesRole, "write", false);
        row("offline no", false, QMessageBox::NoRole, "", true);
        row("offline cancel", false, QMessageBox::RejectRole, "", false);
        row("online yes, unit not written", true, QMessageBox::YesRole, "", false);
        row("online no", true, QMessageBox::NoRole, "", true);
        row("online cancel", true, QMessageBox::RejectRole, "", false);
    }
    void closeConfirmation()
    {
        QFETCH(bool, online);
        QFETCH(int, role);
        QFETCH(QString, fileFault);
        QFETCH(bool, closes);
        loadSettingsFile(m_dir.filePath(QStringLiteral("fault.ini")),
                         "[Test]\nFakeFileIOError=" + fileFault.toUtf8() + "\n");
        IO::FileDialog::setAutoAnswer([this](IO::FileDialog& dialog) {
            dialog.setLocalFolder(m_dir.path());
            dialog.setFileName(QStringLiteral("closing.txt"));
            return true;
        });
        isOnline = online;
        store()->appliedImage().data()[2504] ^= 1; // a 32-bit value of the system area
        QString text; // of the close question, not of a later result box
        MsgBox::setAutoAnswer([role, &text](QMessageBox& box) -> QAbstractButton* {
            if (text.isEmpty())
                text = box.text();
            for (QAbstractButton* button : box.buttons())
                if (box.buttonRole(button) == role)
                    return button;
            return nullptr;
        });
        m_window->show();
        QCOMPARE(m_window->close(), closes);
        QVERIFY(text.contains(online ? QLatin1String("write to Orbilux")
                                     : QLatin1String("save it to a file")));
        IO::FileDialog::setAutoAnswer(nullptr);
    }

    // Yes to saving, then No to writing values outside their limits: the
    // write ends as a cancel in its one result box, no file is chosen and
    // the window stays with its data.
    void decliningToWriteOutsideValuesKeepsTheWindow()
    {
        bool chosen = false;
        IO::FileDialog::setAutoAnswer([&chosen](IO::FileDialog&) { return chosen = true; });
        setI16(store()->appliedImage(), "UsrSafetyFilterTime", 0, 0, 500);
        QStringList boxes;
        MsgBox::setAutoAnswer([&boxes](QMessageBox& box) -> QAbstractButton* {
            boxes << box.windowTitle() + QLatin1Char('|') + box.text().section('\n', 0, 0);
            if (QAbstractButton* no = box.button(QMessageBox::No))
                return no;
            for (QAbstractButton* button : box.buttons())
                if (box.buttonRole(button) == QMessageBox::YesRole)
                    return button;
            return box.button(QMessageBox::Ok);
        });
        m_window->show();
        QVERIFY(!m_window->close());
        IO::FileDialog::setAutoAnswer(nullptr);
        QVERIFY(!chosen);
        QCOMPARE(boxes.size(), 3);
        QVERIFY(boxes[0].startsWith(QLatin1String("Close confirmation|")));
        QVERIFY2(boxes[1].startsWith(QLatin1String("Output Parameter File|")) &&
                     boxes[1].contains(QLatin1String(" outside ")),
                 qPrintable(boxes[1]));
        QCOMPARE(boxes[2],
                 QStringLiteral("Output Parameter File canceled|The operation was canceled."));
    }

    void unchangedDataClosesWithoutAQuestion()
    {
        bool asked = false;
        MsgBox::setAutoAnswer([&asked](QMessageBox&) -> QAbstractButton* {
            asked = true;
            return nullptr;
        });
        store()->editImage().data()[100] ^= 1;      // unapplied edit: not looked at
        store()->appliedImage().data()[65500] ^= 1; // signature trailer only
        m_window->show();
        QVERIFY(m_window->close());
        QVERIFY(!asked);
        store()->editImage().data()[100] ^= 1;
    }

    // An edit on the current page that was never applied is asked about
    // before anything else, as leaving the page asks: No keeps the window
    // and the edit, Yes drops the edit and closes. The monitoring dialog
    // opened over the page asks nothing, and the page under it is asked.
    void closingAsksTheCurrentPageFirst_data()
    {
        QTest::addColumn<bool>("overDialog");
        QTest::newRow("page") << false;
        QTest::newRow("monitoring dialog over the page") << true;
    }
    void closingAsksTheCurrentPageFirst()
    {
        QFETCH(bool, overDialog);
        Scene::SceneManager* scenes = Scene::SceneManager::instance();
        const ParameterImage loaded = typeAFilterTimeOnSafetyInput();
        QVERIFY(scenes->state(35)->active());
        ParameterImage& edit = store()->editImage();
        const ParameterImage edited = edit;
        QStringList texts;
        bool yes = false;
        MsgBox::setAutoAnswer([&texts, &yes](QMessageBox& box) -> QAbstractButton* {
            texts << box.text();
            for (QAbstractButton* button : box.buttons())
                if (box.buttonRole(button) == (yes ? QMessageBox::YesRole : QMessageBox::NoRole))
                    return button;
            return nullptr;
        });
        m_window->show();
        if (overDialog)
            openMonitoringOverThePage();
        QVERIFY(!m_window->close());
        QVERIFY(m_window->isVisible());
        QVERIFY(edit == edited);
        yes = true;
        QVERIFY(m_window->close());
        QVERIFY(edit == loaded);
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts.first().contains("clear input") && texts.last() == texts.first());
        scenes->loadScene(0);
        QTRY_VERIFY(scenes->state(0)->active());
    }

    // Another page chosen while the monitoring dialog stands over a page
    // asks that page: No keeps the dialog and the edit. The page under the
    // dialog chosen again asks nothing and still holds the edit.
    void choosingAPageOverTheMonitoringDialogAsksThePageUnderIt()
    {
        Scene::SceneManager* scenes = Scene::SceneManager::instance();
        auto* functionMenu = m_window->findChild<FunctionMenuWidget*>();
        m_window->show();
        const ParameterImage loaded = typeAFilterTimeOnSafetyInput();
        QVERIFY(scenes->state(35)->active());
        ParameterImage& edit = store()->editImage();
        const ParameterImage edited = edit;
        int asked = 0;
        MsgBox::setAutoAnswer([&asked](QMessageBox& box) -> QAbstractButton* {
            ++asked;
            for (QAbstractButton* button : box.buttons())
                if (box.buttonRole(button) == QMessageBox::NoRole)
                    return button;
            return nullptr;
        });
        openMonitoringOverThePage();
        QCOMPARE(asked, 0);
        functionMenu->menuClicked(functionMenu->menuItem(25), 0); // joint
        QCOMPARE(asked, 1);
        QVERIFY(Window::instance()->monitoringDialog->isVisible());
        QVERIFY(!scenes->state(25)->active());
        functionMenu->menuClicked(functionMenu->menuItem(35), 0);
        QCOMPARE(asked, 1);
        QTRY_VERIFY(scenes->state(35)->active());
        QVERIFY(!Window::instance()->monitoringDialog->isVisible());
        QVERIFY(edit == edited);
        edit = loaded;
        scenes->loadScene(0);
        QTRY_VERIFY(scenes->state(0)->active());
    }

    // Open File and Read Robot Data replace what the page shows: its
    // unapplied edit is asked about before anything else, as leaving the page
    // asks. No keeps the edit and opens no file dialog; Yes drops it. Open
    // File then names the applied changes not yet written, and No keeps them.
    void readsAskTheCurrentPageFirst_data()
    {
        QTest::addColumn<bool>("overDialog");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("pageYes");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("chosen");
        const QString clear = QStringLiteral("page"); // the page's own question
        for (const bool overDialog : {false, true}) {
            const char* over = overDialog ? ", monitoring over the page" : "";
            QTest::addRow("open file, page no%s", over)
                << overDialog << "Open File(&O)..." << false << QStringList{clear} << false;
            QTest::addRow("open file, page yes, unwritten no%s", over)
                << overDialog << "Open File(&O)..." << true
                << QStringList{clear, "Open File", "Open File canceled"} << false;
            QTest::addRow("robot data, page no%s", over)
                << overDialog << "Read Robot Data(&B)" << false << QStringList{clear} << false;
            QTest::addRow("robot data, page yes%s", over)
                << overDialog << "Read Robot Data(&B)" << true
                << QStringList{clear, "Read Robot Data canceled"} << true;
        }
    }
    void readsAskTheCurrentPageFirst()
    {
        QFETCH(bool, overDialog);
        QFETCH(QString, entry);
        QFETCH(bool, pageYes);
        Scene::SceneManager* scenes = Scene::SceneManager::instance();
        scenes->loadScene(35); // safety input
        QTRY_VERIFY(scenes->state(35)->active());
        store()->appliedImage().data()[2504] ^= 1; // applied, not written
        const ParameterImage applied = store()->appliedImage();
        ParameterImage& edit = store()->editImage();
        const ParameterImage loaded = edit;
        edit.setI16At(61996, qint16(edit.i16At(61996) + 1)); // a filter time
        const ParameterImage edited = edit;
        bool chosen = false;
        IO::FileDialog::setAutoAnswer([&chosen](IO::FileDialog&) {
            chosen = true;
            return false;
        });
        QStringList titles;
        MsgBox::setAutoAnswer([&](QMessageBox& box) -> QAbstractButton* {
            titles << (box.text().contains(QLatin1String("clear input")) ? QStringLiteral("page")
                                                                         : box.windowTitle());
            if (QAbstractButton* no = box.button(QMessageBox::No))
                return no;
            for (QAbstractButton* button : box.buttons())
                if (box.buttonRole(button) ==
                    (pageYes ? QMessageBox::YesRole : QMessageBox::NoRole))
                    return button;
            return box.button(QMessageBox::Ok);
        });
        if (overDialog)
            openMonitoringOverThePage();
        QAction* action = findAction(menu(QStringLiteral("File(&F)")), entry);
        if (!action)
            action = findAction(menu(QStringLiteral("Orbilux(&C)")), entry);
        QVERIFY(action);
        action->trigger();
        IO::FileDialog::setAutoAnswer(nullptr);
        QTEST(titles, "titles");
        QTEST(chosen, "chosen");
        QVERIFY(edit == (pageYes ? loaded : edited));
        QVERIFY(store()->appliedImage() == applied);
        if (overDialog)
            Window::instance()->monitoringDialog->close();
        QVERIFY(scenes->state(35)->active());
        edit = loaded;
        scenes->loadScene(0);
        QTRY_VERIFY(scenes->state(0)->active());
    }

    void placementNeverStartsOffTheScreen()
    {
        const QRect screen(0, 0, 1920, 1080);
        QCOMPARE(centredPosition(screen, QRect(0, 0, 1280, 800)), QPoint(320, 140));
        QCOMPARE(centredPosition(screen, QRect(50, 60, 2000, 1200)), QPoint(0, 0));
        QCOMPARE(centredPosition(QRect(1920, 0, 1920, 1080), QRect(0, 0, 1280, 800)),
                 QPoint(2240, 140));
        // A frame window not yet sized reads 1 x 1: once the window's corner
        // went to the centre of the screen.
        const QRect inner(1, 22, 1280, 800);
        QCOMPARE(windowFrame(inner, QRect(0, 0, 1, 1)), windowFrame(inner, inner));
        const QMargins openbox(1, 22, 1, 5);
        QCOMPARE(windowFrame(inner, inner.marginsAdded(openbox)), openbox);
    }

    // 1280 x 800 wherever the window fits with its frame; else the frame
    // fills the available area, so the status line and the cost bar show.
    void openingSizeFitsTheScreen()
    {
        const QSize wanted(1280, 800);
        const QMargins frame(1, 26, 1, 1);
        QCOMPARE(fittedWindowSize(wanted, QRect(0, 0, 1920, 1080), frame), wanted);
        QCOMPARE(fittedWindowSize(wanted, QRect(0, 0, 1280, 800), QMargins()), wanted);
        QCOMPARE(fittedWindowSize(wanted, QRect(0, 0, 1280, 800), frame), QSize(1278, 773));
        QCOMPARE(fittedWindowSize(wanted, QRect(0, 30, 1366, 738), frame), QSize(1280, 711));

        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const QRect small(0, 0, 1280, 720);
        placeOnScreen(m_window.get(), small);
        QTRY_VERIFY2(small.contains(m_window->frameGeometry()),
                     qPrintable(QStringLiteral("%1x%2")
                                    .arg(m_window->frameGeometry().width())
                                    .arg(m_window->frameGeometry().height())));
        QVERIFY(m_window->statusBar()->isVisible());
        m_window->resize(wanted);
    }

    // Placed while minimized, the window may not have its frame or even its
    // size yet. Before its first showing no window has a frame to read.
    void placementBeforeTheFrameIsKnown_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1366 x 768") << QRect(0, 0, 1366, 768) << QSize(1280, 800);
        QTest::newRow("1280 x 800") << QRect(0, 0, 1280, 800) << QSize(1280, 800);
        QTest::newRow("panel above") << QRect(0, 30, 1366, 738) << QSize(1280, 800);
        QTest::newRow("size reads 1 x 1") << QRect(0, 0, 1366, 768) << QSize(1, 1);
    }
    void placementBeforeTheFrameIsKnown()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, size);
        QWidget window;
        auto* content = new QWidget;
        content->setMinimumSize(1000, 600);
        (new QVBoxLayout(&window))->addWidget(content);
        window.resize(size);
        placeOnScreen(&window, available);
        QVERIFY(window.width() >= 1000 && window.height() >= 600);
        const QRect framed = window.geometry().marginsAdded(QMargins(1, 22, 1, 5));
        QVERIFY2(available.contains(framed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                            .arg(framed.x())
                                                            .arg(framed.y())
                                                            .arg(framed.width())
                                                            .arg(framed.height())));
    }

    // Placed at start with a guess of its frame, the window is placed again
    // with the frame it really has, however late that comes to be known and
    // without any move or resize to tell it: a frame that leaves less room
    // than guessed, or none at all, which the window is centred without.
    // Once its start has settled, or by the deadline where the frame never
    // becomes known, the watch ends and a move by the user stays.
    void placementAtStartSettlesThenLeavesTheWindow_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<int>("leastHeight"); // of the window
        QTest::addColumn<std::optional<QMargins>>("frame");
        QTest::addColumn<int>("deadline");
        const QRect wide(0, 0, 1366, 768);
        QTest::newRow("exposed before its frame is known")
            << wide << 741 << std::optional<QMargins>(QMargins(1, 22, 1, 5)) << 3000;
        QTest::newRow("frame larger than guessed")
            << wide << 650 << std::optional<QMargins>(QMargins(4, 60, 4, 20)) << 3000;
        QTest::newRow("no frame") << QRect(0, 0, 1280, 800) << 770
                                  << std::optional<QMargins>(QMargins()) << 3000;
        QTest::newRow("frame never known") << wide << 741 << std::optional<QMargins>() << 300;
    }
    void placementAtStartSettlesThenLeavesTheWindow()
    {
        QFETCH(QRect, available);
        QFETCH(int, leastHeight);
        QFETCH(std::optional<QMargins>, frame);
        QFETCH(int, deadline);
        QWidget window;
        window.setMinimumSize(1000, leastHeight);
        window.resize(1280, 800);
        bool framed = false;
        const QPointer<WindowPlacement> watch = WindowPlacement::placeAtStart(
            &window, available, [&](const QWidget&) { return framed ? frame : std::nullopt; },
            std::chrono::milliseconds(200), std::chrono::milliseconds(deadline));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        framed = true; // without a move or resize
        const auto outer = [&] {
            return window.geometry().marginsAdded(frame.value_or(QMargins()));
        };
        if (frame) {
            QTRY_VERIFY(available.contains(outer()));
            QVERIFY(qAbs(outer().center().y() - available.center().y()) <= 1);
        }
        QTRY_VERIFY(watch.isNull());
        const QRect moved(available.right() - 200, 300, window.width(), window.height());
        window.setGeometry(moved);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(window.geometry(), moved);
    }

    void controllerEntriesFollowTheOnlineState()
    {
        QMenu* unit = menu(QStringLiteral("Orbilux(&C)"));
        QVERIFY(unit);
        for (const bool online : {false, true}) {
            isOnline = online;
            emit unit->aboutToShow();
            for (const char* entry : {"Read Orbilux(&R)", "Verify Orbilux(&V)",
                                      "Write Orbilux(&W)...", "Change Password(&P)..."})
                QCOMPARE(findAction(unit, QLatin1String(entry))->isEnabled(), online);
            QVERIFY(findAction(unit, QStringLiteral("Read Robot Data(&B)"))->isEnabled());
        }
    }

    // The view has no continuous repaint: a chosen plane must ask for one,
    // or the view keeps showing the old camera.
    void planeAndProjectionEntries()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCoreApplication::processEvents();
        int paints = 0;
        PaintCounter counter(&paints);
        GLWidget::instance()->installEventFilter(&counter);
        QMenu* view = menu(QStringLiteral("View(&V)"));
        QAction* xy = findAction(view, QStringLiteral("XY(&2)"));
        xy->trigger();
        QTRY_VERIFY(paints > 0);
        GLWidget::instance()->removeEventFilter(&counter);
        QMenu* plane = xy->parentWidget() ? qobject_cast<QMenu*>(xy->parentWidget()) : nullptr;
        QVERIFY(plane);
        emit plane->aboutToShow();
        for (QAction* action : plane->actions())
            QCOMPARE(action->isChecked(), action == xy);
        GLWidget::instance()->camera().setPreset(0);
        emit plane->aboutToShow();
        QVERIFY(findAction(view, QStringLiteral("Reset(&0)"))->isChecked());
        QVERIFY(!xy->isChecked());

        QAction* parallel = findAction(view, QStringLiteral("ParallelProjection(&L)"));
        parallel->trigger();
        QVERIFY(!GLWidget::instance()->isPerspective());
        auto* projection = qobject_cast<QMenu*>(parallel->parentWidget());
        emit projection->aboutToShow();
        QVERIFY(parallel->isChecked());
        QVERIFY(!findAction(view, QStringLiteral("PerspectiveProjection(&S)"))->isChecked());
    }

    void languageEntryStoresTheChoiceForTheNextStart()
    {
        QAction* korean =
            findAction(menu(QStringLiteral("Setting(&S)")), QStringLiteral("Korean(&K)"));
        QVERIFY(korean && !korean->isCheckable());
        QString shownText;
        QTimer::singleShot(0, [&shownText] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shownText = box->text();
                box->accept();
            }
        });
        const QString before = QCoreApplication::translate("MsgBox", "Cancel");
        korean->trigger();
        QCOMPARE(shownText,
                 QStringLiteral("The language change will be reflected on the next startup."));
        QCOMPARE(LanguageSetting::registryLanguage(), QStringLiteral("ko"));
        QCOMPARE(QCoreApplication::translate("MsgBox", "Cancel"), before);
    }

    void hideOptionLeavesOnlyTheMenuBar()
    {
        for (const char* option : {"-o", "--opengl"}) {
            m_window->centralWidget()->setHidden(false);
            m_window->statusBar()->setHidden(false);
            m_window->parseCommandLine({QStringLiteral("obxsetting"), QLatin1String(option)});
            QVERIFY(m_window->centralWidget()->isHidden());
            QVERIFY(m_window->statusBar()->isHidden());
            QVERIFY(!m_window->menuBar()->isHidden());
        }
        m_window->centralWidget()->setHidden(false);
        m_window->statusBar()->setHidden(false);
    }

    // Esc on a monitoring screen goes home and then back to the last page:
    // the dialog hides and the page shows again. On a network page Esc only
    // asks to leave, which nothing answers: the dialog stays open.
    void escapeInTheMonitoringDialog()
    {
        Scene::SceneManager* scenes = Scene::SceneManager::instance();
        MonitoringDialog* dialog = Window::instance()->monitoringDialog;
        QTabWidget* tabs = dialog->tabWidget();
        m_window->show();
        scenes->loadScene(35);
        QTRY_VERIFY(scenes->state(35)->active());
        scenes->loadScene(2);
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(tabs->currentIndex(), 0);
        QApplication::setActiveWindow(dialog);
        QCOMPARE(QApplication::activeWindow(), dialog);
        QSignalSpy loaded(scenes, &Scene::SceneManager::loadedScene);
        QTest::keyClick(tabs->currentWidget(), Qt::Key_Escape);
        QCOMPARE(loaded.count(), 2);
        QCOMPARE(loaded.at(0).at(0).toInt(), 0);
        QCOMPARE(loaded.at(1).at(0).toInt(), 35);
        QVERIFY(!dialog->isVisible());
        QTRY_VERIFY(scenes->state(35)->active());
        QCOMPARE(scenes->currentScene(), 35);

        scenes->loadScene(2);
        QTRY_VERIFY(dialog->isVisible());
        QWidget* network = View::instance()->screen(16);
        QVERIFY(network);
        // As with the safety network enabled.
        tabs->setTabEnabled(tabs->indexOf(network), true);
        tabs->setCurrentWidget(network);
        QApplication::setActiveWindow(dialog);
        auto* field = network->findChild<QLineEdit*>();
        field->setFocus(Qt::MouseFocusReason); // as a click gives it
        QCOMPARE(QApplication::focusWidget(), field);
        QSignalSpy asked(network, SIGNAL(exitRequest()));
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(asked.count(), 1);
        QVERIFY(dialog->isVisible());
        // Closing it returns to the last page.
        dialog->close();
        QVERIFY(!dialog->isVisible());
        QTRY_VERIFY(scenes->state(35)->active());
        tabs->setCurrentIndex(0);
        tabs->setTabEnabled(tabs->indexOf(network), false);
        scenes->loadScene(0);
        QTRY_VERIFY(scenes->state(0)->active());
    }

    // The 3D view learns through the probe which channel block of the area
    // screen to mark, and only while that screen is the current tab.
    void areaScreenReachesTheView()
    {
        QTabWidget* tabs = Window::instance()->monitoringDialog->tabWidget();
        auto* area = qobject_cast<MonitoringMotionArea*>(tabs->widget(4));
        QVERIFY(area);
        tabs->setCurrentIndex(4);
        AreaMonitorView view = AreaMonitorView::ask();
        QVERIFY(view.current && view.atAreaTab);
        const MirelRzShmRz2IfSafmMon* record = IO::MirelClient::monitorRecord();
        QCOMPARE(view.channel, &record->channel[0]);
        area->header()->selectCpuButton(1);
        QCOMPARE(AreaMonitorView::ask().channel, &record->channel[1]);
        area->header()->selectCpuButton(0);
        tabs->setCurrentIndex(0);
        view = AreaMonitorView::ask();
        QVERIFY(!view.current && !view.channel);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
