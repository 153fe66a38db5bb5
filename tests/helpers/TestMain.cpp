#include "UserFolders.h"
#include "framework/Runtime.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Every test starts with an empty data folder of its own: no test reads what
// another stored, and none writes into the home of whoever runs the tests.
class FreshDataFolder : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        folder_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", folder_->path().toUtf8());
    }
    void OnTestEnd(const ::testing::TestInfo&) override { folder_.reset(); }

    std::unique_ptr<QTemporaryDir> folder_;
};

} // namespace

// Every test program runs its tests inside one QApplication, as the program
// itself runs inside one; what the tests left in module-wide state goes
// while it still runs, as at the program's end.
int main(int argc, char** argv) {
    const UserFolders folders;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshDataFolder);
    const int status = RUN_ALL_TESTS();
    RuntimePerformFinalizers();
    return status;
}
