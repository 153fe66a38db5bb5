#include "UserFolders.h"

#include <QtGlobal>

UserFolders::UserFolders() {
    qputenv("XDG_DATA_HOME", data_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
}
