#pragma once

#include <QPushButton>

// Channel button of the monitoring header; the style sheet draws it as
// selected while onOff is true.
class SMH_Button : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool onOff READ onOff WRITE setOnOff)

public:
    explicit SMH_Button(const QString& text, QWidget* parent = nullptr);

    bool onOff() const { return m_onOff; }
    void setOnOff(bool on) { m_onOff = on; }

private:
    bool m_onOff = false;
};
