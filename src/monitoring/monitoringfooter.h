#pragma once

#include <QWidget>

class MonitoringBase;
class QGridLayout;
class ToggleSwitch;

// Override bar below a monitoring screen: the override function switch and,
// on the area and tool orientation screens, the Display switch. The switch
// shows the override only while the unit has taken it.
class MonitoringFooter : public QWidget
{
    Q_OBJECT

public:
    MonitoringFooter(MonitoringBase* owner, bool withDisplay);
    ~MonitoringFooter() override;

    ToggleSwitch* displaySwitch() const { return m_displaySwitch; }
    ToggleSwitch* overrideSwitch() const { return m_overrideSwitch; }
    // Sets the Display switch without emitting displayStatusChanged.
    void setDisplayChecked(bool checked);
    // Sends "ZSAFM_OVERRIDE ON" or "OFF". A failed ON puts the switch back
    // to off (without sending OFF for it); a request made while another
    // command still waits is sent after it, once.
    bool sendOverride(bool on);

signals:
    void displayStatusChanged(bool display);

public slots:
    void monitoringUpdated();
    void stateChanged(int state);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void setOverrideQuietly(bool checked);

    MonitoringBase* m_owner;
    QGridLayout* m_layout;
    ToggleSwitch* m_displaySwitch = nullptr;
    ToggleSwitch* m_overrideSwitch = nullptr;
    bool m_lastOverride = false;
    bool m_withDisplay;
    bool m_suppressDisplaySignal = false;
    bool m_suppressOverrideSignal = false;
    bool m_commandPending = false;
    bool m_hasQueued = false;
    bool m_queued = false;
};
