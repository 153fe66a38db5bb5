#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs its tests inside one QApplication, as the program
// itself runs inside one.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
