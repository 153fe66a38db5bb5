#include "SpecialFolder.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The user's home folder: $HOME, else the one the account names.
fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        return found->pw_dir;
    return "/";
}

} // namespace

namespace SpecialFolder {

// Paths are taken from the environment as the bytes they are: a folder's
// name need not be UTF-8, and text conversion would name another folder.
FolderItemPtr ApplicationData() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // The desktop's rules ignore a relative path here.
    const fs::path path =
        dataHome && *dataHome == '/' ? fs::path(dataHome) : homeFolder() / ".local" / "share";
    std::error_code error;
    // The desktop's rules ask that a data folder made for the user be private.
    if (fs::create_directories(path, error))
        fs::permissions(path, fs::perms::owner_all, error);
    return std::make_shared<FolderItem>(path);
}

} // namespace SpecialFolder
