#pragma once

#include <QPushButton>

// Green push button of the dark theme (Apply). Its background shows the edit
// state of what it would apply.
class ButtonSuccess : public QPushButton
{
    Q_OBJECT

public:
    explicit ButtonSuccess(const QString& text, QWidget* parent = nullptr);
    explicit ButtonSuccess(QWidget* parent = nullptr);

    void setState(quint8 state);
};
