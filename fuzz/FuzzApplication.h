#pragma once

// Starts the application every fuzz target runs in, once, from
// LLVMFuzzerInitialize: offscreen, since no target may need a display, and
// with every dialog closed as soon as it shows, so that a message of the
// readers never waits for a click.
void StartFuzzApplication(int* argc, char*** argv);
