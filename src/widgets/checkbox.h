#pragma once

#include <QCheckBox>

// Check box of the dark theme; its text colour shows the edit state.
class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CheckBox(QWidget* parent = nullptr);

    void setState(quint8 state);
};
