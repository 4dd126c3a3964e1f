#pragma once

// Shared by the monitoring screen tests: the shared monitor record written
// by hand, a messaging adapter on a fake controller for the feed, and the
// screens by scene number.

#include "app/core/setting.h"
#include "dataproviderfixture.h"
#include "imagecells.h"
#include "io/mirelclient.h"
#include "monitoring/monitoringbase.h"
#include "monitoring/monitoringheader.h"
#include "monitoring/monitoringmotionarea.h"
#include "parameter/logicsignaldef.h"
#include "parameter/parameter.h"
#include "widgets/properties/view.h"

#include <QTableWidget>

#include <cstring>
#include <memory>

inline MirelRzShmRz2IfSafmMon& sharedRecord()
{
    return *const_cast<MirelRzShmRz2IfSafmMon*>(IO::MirelClient::monitorRecord());
}

// Sets internal output signal 2001 + n (stream bit n) of a channel.
inline void setStreamSignal(int channel, int signal, bool on = true)
{
    const int bit = signal - 2001;
    quint32& word = sharedRecord().channel[channel].safetyOutputs[4 + bit / 32];
    word = on ? word | (1u << (bit % 32)) : word & ~(1u << (bit % 32));
}

// The English texts and the signal names, once per test program.
inline void prepareMonitoringTexts()
{
    QVERIFY(installEnglish());
    LogicSignalDef::initialize();
}

// Every enable word of the function status screens set in the applied image.
inline void enableAllFunctions()
{
    ParameterImage& image = Parameter::instance()->appliedImage();
    const struct
    {
        const char* name;
        int count;
    } words[] = {{"MoveAreaValid", 16},    {"AlwaysAxisValid", 1},      {"SelectAxisValid", 18},
                 {"TeachSpeedValid", 1},   {"CheckSpeedValid", 1},      {"UsrSpeedValid", 18},
                 {"ToolOrientValid", 8},   {"StopMonValid", 18},        {"ProtStopFenceValid", 1},
                 {"ProtStopUsrValid", 18}, {"EmeStopExternalValid", 1}, {"EmeStopUsrValid", 18}};
    for (const auto& word : words)
        for (int i = 0; i < word.count; ++i)
            setI16(image, word.name, 0, i, 1);
}

// A screen by scene number, as the registry builds it.
inline MonitoringBase* createStatusScreen(int scene)
{
    return qobject_cast<MonitoringBase*>(View::createScreen(scene));
}

inline int statusColumnOf(int scene)
{
    return scene == 7 ? MonitoringMotionArea::StatusColumn : 1;
}

// "ON" in the listed rows, "OFF" in the others.
inline QStringList expectedOn(int rows, const QList<int>& onRows)
{
    QStringList texts;
    for (int row = 0; row < rows; ++row)
        texts << (onRows.contains(row) ? "ON" : "OFF");
    return texts;
}

inline QStringList columnTexts(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

// The adapter that feeds the screens: its tick copies nothing new from the
// fake controller unless a test publishes, so the hand-written record stays.
inline std::unique_ptr<IO::MirelClient> feedingClient()
{
    return std::make_unique<IO::MirelClient>(std::make_unique<FakeMirelController>());
}

inline void tick(IO::MirelClient* client)
{
    QVERIFY(QMetaObject::invokeMethod(client, "updateMonitorData"));
}

// A screen shown and given its first refresh.
template <class Screen> Screen* shownAndFed(Screen* screen)
{
    screen->show();
    tick(IO::MirelClient::instance());
    return screen;
}

// The English texts, default settings and a feeding adapter for a test
// program; every test then starts from an empty record and applied image.
inline std::unique_ptr<IO::MirelClient> prepareScreenTests()
{
    prepareMonitoringTexts();
    Setting::instance()->resetToDefaults();
    return feedingClient();
}

inline void clearScreenData()
{
    std::memset(&sharedRecord(), 0, sizeof(MirelRzShmRz2IfSafmMon));
    Parameter::instance()->appliedImage().clear();
}
