#include "monitoring/smhbutton.h"

SMH_Button::SMH_Button(const QString& text, QWidget* parent) : QPushButton(text, parent) {}
