// The panel frame: buttons before and after the bar exists, Escape, the
// deferred refresh, and the connections that live only while shown.

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "parameter/parameter.h"
#include "widgets/properties/propertywidget.h"

namespace {

class CountingPanel : public PropertyWidget
{
public:
    explicit CountingPanel(Parameter* store) : PropertyWidget(store, 31) {}
    void initialize() override
    {
        addSection(QStringLiteral("Title"), new QWidget);
        addButtons();
        initialized = true;
    }
    void updateUI() override { ++updates; }
    bool requestClose() override
    {
        ++closeRequests;
        return true;
    }
    void storeConnection(const QMetaObject::Connection& connection) { m_connections << connection; }
    int storedConnections() const { return m_connections.size(); }
    void askRefresh() { requestUpdate(); }
    void connectCancel()
    {
        connect(this, &PropertyWidget::cancel, this, &CountingPanel::cancelRequested);
    }
    QPushButton* applyButton() const { return findChildren<QPushButton*>().value(0); }
    QPushButton* cancelButton() const { return findChildren<QPushButton*>().value(1); }

    int updates = 0;
    int closeRequests = 0;
};

} // namespace

class TestPropertyWidget : public QObject
{
    Q_OBJECT

private slots:
    void buttonOperationsBeforeTheBarDoNothing()
    {
        CountingPanel panel(Parameter::instance());
        panel.setApplyEnabled(true);
        panel.setCancelEnabled(true);
        panel.setApplyVisible(false);
        panel.setCancelVisible(false);
        QVERIFY(panel.findChildren<QPushButton*>().isEmpty());

        panel.initialize();
        QCOMPARE(panel.applyButton()->text(), QStringLiteral("Apply"));
        panel.setApplyVisible(false);
        QVERIFY(panel.applyButton()->isHidden());
        panel.setCancelEnabled(false);
        QVERIFY(!panel.cancelButton()->isEnabled());
    }

    void escapeClicksCancelOnlyWhenEnabled()
    {
        CountingPanel panel(Parameter::instance());
        panel.initialize();
        panel.connectCancel();
        QSignalSpy cancels(&panel, &PropertyWidget::cancel);
        QSignalSpy applies(&panel, &PropertyWidget::apply);

        panel.setCancelEnabled(false);
        QTest::keyClick(&panel, Qt::Key_Escape);
        QCOMPARE(cancels.count(), 0);
        QCOMPARE(panel.closeRequests, 0);

        panel.setCancelEnabled(true);
        QTest::keyClick(&panel, Qt::Key_Escape);
        QCOMPARE(cancels.count(), 1);
        QCOMPARE(panel.closeRequests, 1);

        // Other keys are swallowed and do nothing.
        QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        other.ignore();
        QCoreApplication::sendEvent(&panel, &other);
        QVERIFY(other.isAccepted());
        QCOMPARE(cancels.count(), 1);

        panel.applyButton()->setEnabled(true);
        panel.applyButton()->click();
        QCOMPARE(applies.count(), 1);
    }

    void postedRefreshesRunLaterOncePerRequest()
    {
        CountingPanel panel(Parameter::instance());
        panel.askRefresh();
        panel.askRefresh();
        QCOMPARE(panel.updates, 0);
        QCoreApplication::processEvents();
        QCOMPARE(panel.updates, 2);

        // The event type is answered and not passed on.
        QEvent event(QEvent::Type(PropertyWidget::UpdateEventType));
        QVERIFY(QCoreApplication::sendEvent(&panel, &event));
        QCOMPARE(panel.updates, 3);
    }

    void hidingDropsStoredConnectionsAndTheMarker()
    {
        Parameter* store = Parameter::instance();
        CountingPanel panel(store);
        panel.initialize();
        panel.show();
        int fired = 0;
        panel.storeConnection(
            connect(store, &Parameter::parameterChanged, &panel, [&fired] { ++fired; }));
        store->m_marker = 3;
        QSignalSpy selection(store, &Parameter::selectionChanged);

        panel.hide();
        QCOMPARE(panel.storedConnections(), 0);
        QCOMPARE(store->m_marker, quint8(0));
        QCOMPARE(selection.count(), 1);
        panel.show();
        panel.hide();
        QCOMPARE(panel.storedConnections(), 0);
        QCOMPARE(store->m_marker, quint8(0));
        emit store->parameterChanged(Parameter::AppliedData);
        QCOMPARE(fired, 0);
    }
};

QTEST_MAIN(TestPropertyWidget)
#include "tst_propertywidget.moc"
