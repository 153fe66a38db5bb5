#include "framework/Runtime.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs its tests inside one QApplication, as the program
// itself runs inside one; what the tests left in module-wide state goes
// while it still runs, as at the program's end.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    RuntimePerformFinalizers();
    return status;
}
