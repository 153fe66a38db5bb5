#include "ExecutableFile.h"

#include <QCoreApplication>

FolderItemPtr ExecutableFile() {
    return std::make_shared<FolderItem>(QCoreApplication::applicationFilePath().toStdString());
}
