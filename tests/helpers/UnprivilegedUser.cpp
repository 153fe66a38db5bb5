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
    check(::getresuid(&userIds_[0], &userIds_[1], &userIds_[2]) == 0, "getresuid");
    check(::getresgid(&groupIds_[0], &groupIds_[1], &groupIds_[2]) == 0, "getresgid");
    dumpable_ = ::prctl(PR_GET_DUMPABLE);
    const passwd& user = nobody();
    switched_ = true;
    // The groups first, while still root. The real ids as well as the
    // effective ones, as some checks (access()) consult the real ids; the
    // saved ids stay root's, so that root's can be taken back.
    if (::setgroups(1, &user.pw_gid) != 0 || ::setresgid(user.pw_gid, user.pw_gid, 0) != 0 ||
        ::setresuid(user.pw_uid, user.pw_uid, 0) != 0) {
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
    if (::setresuid(userIds_[0], userIds_[1], userIds_[2]) != 0 ||
        ::setresgid(groupIds_[0], groupIds_[1], groupIds_[2]) != 0 ||
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
