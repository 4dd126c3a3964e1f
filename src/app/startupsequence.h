#pragma once

class QObject;

// The data half of the start-up: signal names, the parameter store, the data
// provider with the controller connection, the online decision, the two
// controller switches and the first parameter set (from the unit online,
// from the default file offline). True when that set is the master data.
bool InitializeSAFM(QObject* parent = nullptr);

class QMargins;
class QPoint;
class QRect;
class QSize;
class QWidget;

// Where a window's frame goes to stand centred on the available area, never
// with its top-left corner above or left of the screen.
QPoint centredPosition(const QRect& available, const QRect& frame);
// The wanted size where the window with its frame fits the available area;
// else as much of it as the area takes, title bar included.
QSize fittedWindowSize(const QSize& wanted, const QRect& available, const QMargins& frame);
// The margins of the window manager's frame from the window's geometry and
// its frame geometry; while the frame is not known yet, margins that hold a
// usual title bar and border.
QMargins windowFrame(const QRect& inner, const QRect& outer);
// The window at the fitted size of its present one, centred with its frame.
void placeOnScreen(QWidget* window, const QRect& available);

// The whole program: process set-up, start-up window, data, main window,
// robot model, event loop. Returns the process exit code.
int runApplication(int argc, char* argv[]);
