#pragma once

#include <QObject>

class LogicalOpDialog;
class MonitoringDialog;

// Process-wide registry of the main window's two dialogs, through which the
// function menu, the 3D view and the panels reach them. The main window
// owns the dialogs and fills both members after creating them.
class Window : public QObject
{
    Q_OBJECT

public:
    // The first call creates the registry as a child of the parent; later
    // calls do nothing.
    static void create(QObject* parent);
    static Window* instance();
    ~Window() override;

    MonitoringDialog* monitoringDialog = nullptr;
    LogicalOpDialog* logicalOpDialog = nullptr;

private:
    explicit Window(QObject* parent);

    static Window* s_instance;
};
