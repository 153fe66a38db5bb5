#pragma once

// Window routines that the application and its window share.
namespace WindowEx {

// Turns the platform's automatic window tabbing off where the platform offers it.
void DisableAutoTabbing();

} // namespace WindowEx
