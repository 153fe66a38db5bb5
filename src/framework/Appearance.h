#pragma once

// Whether the application shows the dark appearance now. Asked afresh at each
// call, so a switch of appearance shows at the next paint.
bool IsDarkMode();
