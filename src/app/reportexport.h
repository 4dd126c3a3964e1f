#pragma once

class QWidget;

// The File menu's safety report export, online and offline: proposes a
// time-stamped name in the parameter folder on the PC, writes the report of
// the master data with a progress bar and ends with one result box.
// Returns whether the report was written.
bool exportSafetyReport(QWidget* parent);
