#pragma once

#include "String.h"

#include <QObject>
#include <functional>
#include <vector>

class QDropEvent;
class QMimeData;

// Lets a widget take drags of local files of registered file types. Drops on
// its children reach it too, since they take no drops of their own.
class FileDropFilter : public QObject {
    Q_OBJECT

public:
    using DropHandler = std::function<void(std::vector<String> paths)>;

    FileDropFilter(QWidget& target, DropHandler onDrop);

    // Adds the registered file type of that name to those the widget takes.
    void Accept(const String& fileTypeName);

    // The local paths a drag carries, in its order, byte for byte as the
    // file system names them; an item that is no local file gives an empty path.
    static std::vector<String> Paths(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool accepts(const QMimeData& data) const;

    std::vector<String> typeNames_;
    DropHandler onDrop_;
};
