#pragma once

#include <QWidget>

class MonitoringBase;
class SMH_Button;

// Channel selector above every monitoring screen: safety software A or B.
class MonitoringHeader : public QWidget
{
    Q_OBJECT

public:
    explicit MonitoringHeader(MonitoringBase* owner);

    // -1 none, 0 channel A, 1 channel B.
    int selected() const { return m_selected; }
    SMH_Button* button(int index) const { return index == 0 ? m_buttonA : m_buttonB; }

signals:
    void cpuChanged();

public slots:
    void selectCpuButton(int buttonIndex);
    void clicked(bool checked);
    void clicked();

private:
    void markButtons(int index);
    void select(int index);

    SMH_Button* m_buttonA = nullptr;
    SMH_Button* m_buttonB = nullptr;
    qint8 m_selected = -1;
};
