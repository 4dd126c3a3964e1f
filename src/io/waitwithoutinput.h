#pragma once

namespace IO {
// Lets the given time pass in a nested event loop that keeps the windows
// painted but leaves user input alone: the pause between two attempts of a
// command to the controller.
void waitWithoutInput(int milliseconds);
} // namespace IO
