#pragma once

#include "io/monitorfeeduse.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
struct MirelRzShmRz2IfSafmMon;

// The network and module status indicators of the unit's EtherNet/IP
// Safety interface, emulated as two coloured dots that follow the live
// record, with the connection state, port, IP and MAC address.
class NetworkSafetyStatus : public QWidget
{
    Q_OBJECT

public:
    static const QColor grey;
    static const QColor green;
    static const QColor red;

    NetworkSafetyStatus();

    // The colour of an indicator state in a blink phase; states of 6 or
    // more count as 0.
    static QColor stateColor(int state, int phase);
    void setLedStates(int networkState, int moduleState);

    QLabel* indicator(int index) const { return m_indicators[index]; }
    QColor indicatorColor(int index) const { return m_shownColors[index]; }
    int ledState(int index) const { return m_states[index]; }
    int blinkPhase(int index) const { return m_phases[index]; }
    bool isBlinking() const { return m_blinkTimer.isActive(); }
    QLineEdit* connectionField() const { return m_connection; }
    QLineEdit* portField() const { return m_port; }
    QLineEdit* ipField() const { return m_ip; }
    QLineEdit* macField() const { return m_mac; }

signals:
    void exitRequest();

public slots:
    void monitoringUpdated();
    void updateEipsData();
    void timeout();
    void startUpdate();
    void stopUpdate();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void colorIndicators();

    const MirelRzShmRz2IfSafmMon* m_record;
    QLabel* m_indicators[2] = {};
    QColor m_shownColors[2];
    QLineEdit* m_connection = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_ip = nullptr;
    QLineEdit* m_mac = nullptr;
    int m_states[2] = {};
    int m_phases[2] = {};
    int m_ticks[2] = {};
    QTimer m_blinkTimer;
    IO::MonitorFeedUse m_feed;
};
