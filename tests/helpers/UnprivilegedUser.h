#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Acts, for the object's life, as a user without privileges, so that file
// permissions hold as they do for anyone but root. Under root the process
// takes the identity of the user "nobody" (its real and effective user and
// group ids, which the system checks file access against, with root's
// capabilities out of effect) and takes root's back when released; under any
// other user it already is such a user and nothing changes.
class UnprivilegedUser {
public:
    UnprivilegedUser();
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

    // Hands `path` and everything under it to that user, as files the user
    // made would be; under any other user they already are the user's.
    static void Own(const std::string& path);

private:
    void restore();

    bool switched_ = false;
    int dumpable_ = 1;
    // Root's real, effective and saved ids, and its groups, to take back.
    uid_t userIds_[3] = {};
    gid_t groupIds_[3] = {};
    std::vector<gid_t> groups_;
};
