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
        first->updateProgress(QString());

        QPointer<StartupWindow> old = first;
        delete first;
        QVERIFY(old.isNull());
        StartupWindow* fresh = StartupWindow::instance();
        QCOMPARE(fresh->stepCount(), 0);
        QCOMPARE(fresh->findChild<QProgressBar*>()->value(), -1);
    }

    // The start line is logged on the first step and on every show; the bar
    // stops at its 29 steps while the count goes on.
    void twentyNineStepsThenTheBarStays()
    {
        MessageCapture capture;
        StartupWindow* window = StartupWindow::instance();
        auto* bar = window->findChild<QProgressBar*>();
        QCOMPARE(bar->maximum(), 29);
        const QStringList texts = {"Creating Signal DB...", QString(), "Initialization finished."};
        for (int step = 1; step <= 29; ++step) {
            window->updateProgress(texts[step % texts.size()]);
            QCOMPARE(window->stepCount(), step);
            QCOMPARE(bar->value(), step);
            QCOMPARE(window->messageText(), QStringLiteral("Reading robot parameters..."));
        }
        QVERIFY(!window->isVisible());
        QCOMPARE(capture.messagesOf(QtInfoMsg), QStringList{"StartupWindow::startTimer"});
        window->updateProgress(QStringLiteral("one step too many"));
        window->updateProgress(QString());
        QCOMPARE(window->stepCount(), 31);
        QCOMPARE(bar->value(), 29);

        window->showMessage(QStringLiteral("starting"));
        QVERIFY(window->isVisible());
        QCOMPARE(window->messageText(), QStringLiteral("starting"));
        QCOMPARE(capture.messagesOf(QtInfoMsg).size(), 2);
    }
};

QTEST_MAIN(TestStartupWindow)
#include "tst_startupwindow.moc"
