#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "app/mainwindow.h"
#include "app/menubar.h"
#include "app/startupsequence.h"
#include "io/dataprovider.h"
#include "io/filedialog.h"
#include "parameter/parameter.h"
#include "view3d/glwidget.h"
#include "widgets/msgbox.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

void setI16(ParameterImage& image, const char* name, int row, int column, int value)
{
    const FieldDef* field = ParameterLayout::findByName(QLatin1String(name));
    QVERIFY(field && image.setI16(*field, row, column, qint16(value)));
}

// One forbidding and one permitting area with 6 cuboids, 11 capsules and 3
// spheres: a cost of exactly 1240; extra spheres weigh 6 each.
void fillToBudget(ParameterImage& image, int extraSpheres)
{
    setI16(image, "MoveAreaValid", 0, 0, 1);
    setI16(image, "MoveAreaValid", 0, 1, 1);
    setI16(image, "MoveAreaMoveValid", 0, 1, 1);
    const auto models = [&](bool tool, int first, int count, int kind) {
        for (int k = first; k < first + count; ++k) {
            setI16(image, tool ? "ToolModelValid" : "MkrArmModelCoordinateNo", 0, k, 1);
            setI16(image, tool ? "ToolModelKind" : "MkrArmModelKind", 0, k, kind);
        }
    };
    models(true, 0, 6, 2);
    models(false, 0, 11, 1);
    models(false, 11, 3 + extraSpheres, 0);
}

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
    void answerCloseConfirmation(QMessageBox::ButtonRole role, QString* text = nullptr)
    {
        MsgBox::setAutoAnswer([role, text](QMessageBox& box) -> QAbstractButton* {
            if (text && text->isEmpty()) // the close question, not a later result box
                *text = box.text();
            for (QAbstractButton* button : box.buttons())
                if (box.buttonRole(button) == role)
                    return button;
            return nullptr;
        });
    }
    void makeUnwritten()
    {
        store()->appliedImage().data()[2504] ^= 1; // a 32-bit value of the system area
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
        QTest::newRow("nothing enabled") << -1 << 1240 << "1240 / 1240"
                                         << "progress-bar-full";
        QTest::newRow("at the budget") << 0 << 0 << "0 / 1240"
                                       << "progress-bar";
        QTest::newRow("over the budget") << 1 << 0 << "-6 / 1240"
                                         << "progress-bar";
    }
    void costBarFollowsTheBudget()
    {
        QFETCH(int, extraSpheres);
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(QString, name);
        ParameterImage& image = store()->editImage();
        const ParameterImage saved = image;
        image = ParameterImage();
        if (extraSpheres >= 0)
            fillToBudget(image, extraSpheres);
        store()->calculateCost();
        QProgressBar* bar = m_window->costBar();
        QCOMPARE(bar->value(), value);
        QCOMPARE(bar->text(), text);
        QCOMPARE(bar->objectName(), name);
        image = saved;
        store()->calculateCost();
    }

    void closeConfirmation_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("fileFault");
        QTest::addColumn<bool>("closes");
        QTest::newRow("offline yes, file written")
            << false << int(QMessageBox::YesRole) << "" << true;
        QTest::newRow("offline yes, file not written")
            << false << int(QMessageBox::YesRole) << "write" << false;
        QTest::newRow("offline no") << false << int(QMessageBox::NoRole) << "" << true;
        QTest::newRow("offline cancel") << false << int(QMessageBox::RejectRole) << "" << false;
        QTest::newRow("online yes, unit not written")
            << true << int(QMessageBox::YesRole) << "" << false;
        QTest::newRow("online no") << true << int(QMessageBox::NoRole) << "" << true;
        QTest::newRow("online cancel") << true << int(QMessageBox::RejectRole) << "" << false;
    }
    void closeConfirmation()
    {
        QFETCH(bool, online);
        QFETCH(int, role);
        QFETCH(QString, fileFault);
        QFETCH(bool, closes);
        const QString iniPath = m_dir.filePath(QStringLiteral("fault.ini"));
        {
            QSettings ini(iniPath, QSettings::IniFormat);
            ini.setValue(QStringLiteral("Test/FakeFileIOError"), fileFault);
        }
        Setting::instance()->load(iniPath);
        IO::FileDialog::setAutoAnswer([this](IO::FileDialog& dialog) {
            dialog.setLocalFolder(m_dir.path());
            dialog.setFileName(QStringLiteral("closing.txt"));
            return true;
        });
        isOnline = online;
        makeUnwritten();
        QString text;
        answerCloseConfirmation(QMessageBox::ButtonRole(role), &text);
        m_window->show();
        QCOMPARE(m_window->close(), closes);
        QVERIFY(text.contains(online ? QLatin1String("write to Orbilux")
                                     : QLatin1String("save it to a file")));
        IO::FileDialog::setAutoAnswer(nullptr);
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

    void placementNeverStartsOffTheScreen()
    {
        const QRect screen(0, 0, 1920, 1080);
        QCOMPARE(centredPosition(screen, QRect(0, 0, 1280, 800)), QPoint(320, 140));
        QCOMPARE(centredPosition(screen, QRect(50, 60, 2000, 1200)), QPoint(0, 0));
        QCOMPARE(centredPosition(QRect(1920, 0, 1920, 1080), QRect(0, 0, 1280, 800)),
                 QPoint(2240, 140));
    }

    void controllerEntriesFollowTheOnlineState_data()
    {
        QTest::addColumn<bool>("online");
        QTest::newRow("offline") << false;
        QTest::newRow("online") << true;
    }
    void controllerEntriesFollowTheOnlineState()
    {
        QFETCH(bool, online);
        isOnline = online;
        QMenu* unit = menu(QStringLiteral("Orbilux(&C)"));
        QVERIFY(unit);
        emit unit->aboutToShow();
        for (const char* entry : {"Read Orbilux(&R)", "Verify Orbilux(&V)", "Write Orbilux(&W)...",
                                  "Change Password(&P)..."})
            QCOMPARE(findAction(unit, QLatin1String(entry))->isEnabled(), online);
        QVERIFY(findAction(unit, QStringLiteral("Read Robot Data(&B)"))->isEnabled());
    }

    void planeAndProjectionMarksFollowTheView()
    {
        QMenu* view = menu(QStringLiteral("View(&V)"));
        QAction* xy = findAction(view, QStringLiteral("XY(&2)"));
        xy->trigger();
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

    // The view has no continuous repaint: a chosen plane must ask for one,
    // or the view keeps showing the old camera.
    void planeEntryRepaintsTheView()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        GLWidget* view = GLWidget::instance();
        QCoreApplication::processEvents();
        int paints = 0;
        PaintCounter counter(&paints);
        view->installEventFilter(&counter);
        findAction(menu(QStringLiteral("View(&V)")), QStringLiteral("YZ(&3)"))->trigger();
        QTRY_VERIFY(paints > 0);
        view->removeEventFilter(&counter);
        view->camera().setPreset(0);
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

    void hideOptionLeavesOnlyTheMenuBar_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("short") << "-o";
        QTest::newRow("long") << "--opengl";
    }
    void hideOptionLeavesOnlyTheMenuBar()
    {
        QFETCH(QString, option);
        m_window->centralWidget()->setHidden(false);
        m_window->parseCommandLine({QStringLiteral("obxsetting"), option});
        QVERIFY(m_window->centralWidget()->isHidden());
        QVERIFY(!m_window->menuBar()->isHidden());
        m_window->centralWidget()->setHidden(false);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
