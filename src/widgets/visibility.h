#pragma once

#include <QCheckBox>

// Check box drawn as an eye, open when checked. White eyes suit dark rows,
// black eyes light ones; both turn grey when disabled.
class Visibility : public QCheckBox
{
    Q_OBJECT

public:
    Visibility(bool white, QWidget* parent = nullptr);
};
