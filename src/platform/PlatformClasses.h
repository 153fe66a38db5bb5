#pragma once

namespace objc {

// Defines every class of the platform, so that each can be found by name.
// A class defines itself on first use; this list makes sure it has been used.
void LoadPlatformClasses();

} // namespace objc
