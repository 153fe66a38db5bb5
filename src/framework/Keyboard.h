#pragma once

#include <optional>

// The state of the modifier keys at the moment of the call, as the keyboard
// reports it, not as the last event left it. Option is Alt here, Command is Ctrl.
namespace Keyboard {

bool AsyncOptionKey();
bool AsyncCommandKey();

struct HeldKeys {
    bool option = false;
    bool command = false;
};

// A test hook, one of the framework's two (the other is the screen list,
// which the offscreen platform reads from a file, so it needs no code): keys
// held while the window opens are asked of the window system, not read from
// any event, and the offscreen platform the tests run on has no keyboard, so
// no event a test sends can hold one. From this call on the functions above
// report `keys` in place of the keyboard, until called with none. The program
// never calls it.
void SimulateForTesting(std::optional<HeldKeys> keys);

} // namespace Keyboard
