#pragma once

#include "window/Window1.h"

#include <gtest/gtest.h>
#include <memory>

// Tests of the application shell: the program's start-up up to its main
// window and the application's Open event run once for the test program;
// each test closes what it opened, as the user would.
class ShellTestCase : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void TearDown() override;

    // The main window, opened and made the active window.
    static std::shared_ptr<Window1> openWindow();
};
