#pragma once

#include <QPushButton>

// Flat button that shows only the sync arrows.
class ButtonSync : public QPushButton
{
    Q_OBJECT

public:
    explicit ButtonSync(QWidget* parent = nullptr);
};
