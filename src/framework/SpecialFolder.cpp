#include "SpecialFolder.h"

#include <QStandardPaths>
#include <system_error>

namespace fs = std::filesystem;

namespace SpecialFolder {

FolderItemPtr ApplicationData() {
    const fs::path path =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    std::error_code error;
    // The desktop's rules ask that a data folder made for the user be private.
    if (fs::create_directories(path, error))
        fs::permissions(path, fs::perms::owner_all, error);
    return std::make_shared<FolderItem>(path);
}

} // namespace SpecialFolder
