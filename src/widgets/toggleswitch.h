#pragma once

#include <QCheckBox>

// Check box drawn as an on/off switch; its text colour shows the edit state.
class ToggleSwitch : public QCheckBox
{
    Q_OBJECT

public:
    explicit ToggleSwitch(QWidget* parent = nullptr);

    void setState(quint8 state);
};
