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
// Exists for tests: reports `keys` in place of the keyboard until called with none.
void SimulateForTesting(std::optional<HeldKeys> keys);

} // namespace Keyboard
