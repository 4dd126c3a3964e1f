#include "systemsound.h"

#include <QApplication>

namespace {

// The toolkit has one sound only, the bell; it returns at once.
bool beep(SystemSound)
{
    QApplication::beep();
    return true;
}

SystemSoundPlayer& player()
{
    static SystemSoundPlayer current = beep;
    return current;
}

} // namespace

SystemSound systemSoundForKind(int kind)
{
    switch (kind) {
    case 1:
        return SystemSound::Asterisk;
    case 2:
        return SystemSound::Exclamation;
    case 3:
        return SystemSound::Hand;
    case 4:
        return SystemSound::Question;
    default:
        return SystemSound::Default;
    }
}

bool playSystemSound(int kind)
{
    return player()(systemSoundForKind(kind));
}

void setSystemSoundPlayer(SystemSoundPlayer newPlayer)
{
    player() = newPlayer ? std::move(newPlayer) : SystemSoundPlayer(beep);
}
