#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QtTest>

#include "messagecapture.h"
#include "widgets/startupwindow.h"

class TestStartupWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { delete StartupWindow::instance(); }

    void instanceIsSingleAndRebuiltAfterDelete()
    {
        StartupWindow* first = StartupWindow::instance();
        QCOMPARE(StartupWindow::instance(), first);
        QVERIFY(!first->isVisible());
        QVERIFY(!first->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(first->windowTitle(), QStringLiteral("OXS Setting soft for Windows"));
        first->updateProgress(QString());

        QPointer<StartupWindow> old = first;
        delete first;
        QVERIFY(old.isNull());
        StartupWindow* fresh = StartupWindow::instance();
        QCOMPARE(fresh->stepCount(), 0);
        QCOMPARE(fresh->findChild<QProgressBar*>()->value(), -1);
    }

    void twentyNineStepsThenTheBarStays()
    {
        StartupWindow* window = StartupWindow::instance();
        window->showMessage(QString());
        QVERIFY(window->isVisible());
        QCOMPARE(window->messageText(), QString());

        auto* bar = window->findChild<QProgressBar*>();
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 29);
        const QStringList texts = {"Creating Signal DB...", QString(), "Initialization finished."};
        for (int step = 1; step <= 29; ++step) {
            window->updateProgress(texts[step % texts.size()]);
            QCOMPARE(window->stepCount(), step);
            QCOMPARE(bar->value(), step);
            QCOMPARE(window->messageText(), QStringLiteral("Reading robot parameters..."));
        }
        window->updateProgress(QStringLiteral("one step too many"));
        window->updateProgress(QString());
        QCOMPARE(window->stepCount(), 31);
        QCOMPARE(bar->value(), 29);
        QCOMPARE(window->messageText(), QStringLiteral("Reading robot parameters..."));
    }

    void startLineOnFirstStepAndOnEveryShow()
    {
        MessageCapture capture;
        StartupWindow* window = StartupWindow::instance();
        window->updateProgress(QStringLiteral("Creating Parameter..."));
        window->updateProgress(QStringLiteral("Creating DataProvider..."));
        QCOMPARE(capture.messagesOf(QtInfoMsg), QStringList{"StartupWindow::startTimer"});
        QVERIFY(!window->isVisible());
        QCOMPARE(window->stepCount(), 2);

        window->showMessage(QStringLiteral("starting"));
        QCOMPARE(capture.messagesOf(QtInfoMsg),
                 QStringList({"StartupWindow::startTimer", "StartupWindow::startTimer"}));
        QVERIFY(window->isVisible());
        QCOMPARE(window->messageText(), QStringLiteral("starting"));
    }
};

QTEST_MAIN(TestStartupWindow)
#include "tst_startupwindow.moc"
