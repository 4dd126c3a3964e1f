#pragma once

#include <functional>

struct MirelRzShmRz2IfSafmMonChannel;

// What the live area monitoring screen tells the 3D view: whether it is the
// monitoring dialog's current tab (and whether that tab is the fifth, index
// 4), and the channel block that its header selects. The view depends on no
// monitoring screen: the main window installs a probe that asks the screen.
struct AreaMonitorView
{
    bool current = false;   // the area screen is the dialog's current tab
    bool atAreaTab = false; // ... at tab index 4
    const MirelRzShmRz2IfSafmMonChannel* channel = nullptr; // block A or B of its record

    using Probe = std::function<AreaMonitorView()>;
    // The probe asked at every frame; none means the screen is not shown.
    static void setProbe(Probe probe);
    static AreaMonitorView ask();
};
