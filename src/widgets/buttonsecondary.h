#pragma once

#include <QPushButton>

// Secondary push button of the dark theme. Return and Enter click it.
class ButtonSecondary : public QPushButton
{
    Q_OBJECT

public:
    explicit ButtonSecondary(const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
