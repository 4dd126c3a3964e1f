#pragma once

#include <QPushButton>

// Primary push button of the dark theme. Return and Enter click it.
class ButtonPrimary : public QPushButton
{
    Q_OBJECT

public:
    explicit ButtonPrimary(const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
