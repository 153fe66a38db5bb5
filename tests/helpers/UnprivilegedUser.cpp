#include "UnprivilegedUser.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <system_error>
#include <unistd.h>

namespace {

bool root() {
    return ::geteuid() == 0;
}

const passwd& nobody() {
    const passwd* user = ::getpwnam("nobody");
    if (!user)
        throw std::runtime_error("the system has no user named nobody");
    return *user;
}

void check(bool done, const char* what) {
    if (!done)
        throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

UnprivilegedUser::UnprivilegedUser() {
    if (!root())
        return;
    groups_.resize(static_cast<std::size_t>(::getgroups(0, nullptr)));
    check(::getgroups(static_cast<int>(groups_.size()), groups_.data()) >= 0, "getgroups");
    dumpable_ = ::prctl(PR_GET_DUMPABLE);
    const passwd& user = nobody();
    switched_ = true;
    // The groups first, while still root: afterwards they can no longer change.
    if (::setgroups(1, &user.pw_gid) != 0 || ::setegid(user.pw_gid) != 0 ||
        ::seteuid(user.pw_uid) != 0) {
        const int error = errno;
        restore();
        throw std::system_error(error, std::generic_category(), "cannot act as nobody");
    }
}

UnprivilegedUser::~UnprivilegedUser() {
    if (switched_)
        restore();
}

void UnprivilegedUser::restore() {
    // The tests after this one count on root: without it they would fail for
    // reasons of their own, so the program stops here instead.
    if (::seteuid(0) != 0 || ::setegid(0) != 0 ||
        ::setgroups(groups_.size(), groups_.data()) != 0) {
        std::perror("cannot act as root again");
        std::abort();
    }
    // A change of user makes the process refuse core dumps and debuggers
    // until it is allowed them again.
    ::prctl(PR_SET_DUMPABLE, dumpable_);
}

void UnprivilegedUser::Own(const std::string& path) {
    if (!root())
        return;
    const passwd& user = nobody();
    const auto own = [&](const std::filesystem::path& item) {
        check(::lchown(item.c_str(), user.pw_uid, user.pw_gid) == 0, "lchown");
    };
    own(path);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
        own(entry.path());
}
