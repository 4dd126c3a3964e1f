#pragma once

#include <functional>

// The system sounds of the message boxes. A sound is chosen by message kind
// (the QMessageBox::Icon values) and started without waiting for it; where
// the platform has no sound service the program stays silent.
enum class SystemSound
{
    Default,     // no icon and any unknown kind
    Asterisk,    // 1, information
    Exclamation, // 2, warning
    Hand,        // 3, critical
    Question,    // 4, question
};

SystemSound systemSoundForKind(int kind);

// Plays the sound of a kind; returns whether the player took it. A missing
// sound device is no error for the callers: they show their box regardless.
bool playSystemSound(int kind);

// Replaces the player (tests record the sounds instead of playing them);
// an empty function restores the built-in player.
using SystemSoundPlayer = std::function<bool(SystemSound)>;
void setSystemSoundPlayer(SystemSoundPlayer player);
