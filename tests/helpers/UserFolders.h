#pragma once

#include <QTemporaryDir>

// Points the folders where a program keeps what it keeps for the user, its
// data (XDG_DATA_HOME) and Qt's settings such as the file dialog's last
// folder (XDG_CONFIG_HOME), at empty temporary folders for the object's life,
// so that no test writes into the home of whoever runs it.
class UserFolders {
public:
    UserFolders();

private:
    QTemporaryDir data_;
    QTemporaryDir config_;
};
