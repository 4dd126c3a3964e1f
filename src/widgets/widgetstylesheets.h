#pragma once

#include <QString>

// The fixed style sheets of the dark widget set and of the windows that use
// it. Each text is built once when the program starts and never changes; the
// widgets re-apply theirs after an object-name change so that the
// object-name selectors (the edit states) are evaluated again.
namespace WidgetStyleSheets {
extern const QString buttonPrimary;
extern const QString buttonSecondary;
extern const QString buttonSuccess;
extern const QString buttonSync;
extern const QString checkBox;
extern const QString toggleSwitch;
extern const QString visibilityBlack;
extern const QString visibilityWhite;
extern const QString comboBox;
extern const QString diffComboBox;
extern const QString spinBox;
extern const QString doubleSpinBox;
extern const QString spinBoxLightTheme;
extern const QString label;
// Read-only and plain text fields of the panels.
extern const QString lineEdit;

// Windows of the editors and of the monitoring screens.
extern const QString logicalOpDialog;
extern const QString monitoringDialog;

// Message box and wait dialog (light look).
extern const QString msgBox;
extern const QString waitDialog;
} // namespace WidgetStyleSheets
