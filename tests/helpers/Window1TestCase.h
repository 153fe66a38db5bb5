#pragma once

#include "window/Window1.h"

#include <gtest/gtest.h>
#include <memory>

// Tests of the program's window: each opens it as start-up does, with the
// accepted file types made, and closes it afterwards.
class Window1TestCase : public ::testing::Test {
protected:
    void SetUp() override;
    // The framework lets go of a closed window once the event loop runs
    // again; that must happen while the application still stands.
    void TearDown() override;

    std::shared_ptr<Window1> window;
};
