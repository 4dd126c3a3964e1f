#pragma once

#include "spinbox.h"

// Integer box for light forms. It shows the dark look until its first
// setState, which switches it to the light style sheet for good.
class SpinBoxLightTheme : public SpinBox
{
    Q_OBJECT

public:
    SpinBoxLightTheme(int minimum, int maximum, QWidget* parent = nullptr);

    void setState(quint8 state);
};
