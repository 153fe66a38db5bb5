#include "Keyboard.h"

#include <QGuiApplication>

namespace Keyboard {

namespace {

// What a test holds down; empty in the program, which then asks the window system.
std::optional<HeldKeys> simulated;

// Asks the window system, which reads the keyboard itself.
bool held(Qt::KeyboardModifier modifier) {
    return QGuiApplication::queryKeyboardModifiers().testFlag(modifier);
}

} // namespace

bool AsyncOptionKey() {
    return simulated ? simulated->option : held(Qt::AltModifier);
}

bool AsyncCommandKey() {
    return simulated ? simulated->command : held(Qt::ControlModifier);
}

void SimulateForTesting(std::optional<HeldKeys> keys) {
    simulated = keys;
}

} // namespace Keyboard
