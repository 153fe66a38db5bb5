#include "FileDropFilter_p.h"

#include "FileType.h"
#include "FolderItem.h"
#include "Runtime.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDropFilter::FileDropFilter(QWidget& target, DropHandler onDrop)
    : QObject(&target), onDrop_(std::move(onDrop)) {
    target.installEventFilter(this);
}

void FileDropFilter::Accept(const String& fileTypeName) {
    typeNames_.push_back(fileTypeName);
    static_cast<QWidget*>(parent())->setAcceptDrops(true);
}

std::vector<String> FileDropFilter::Paths(const QMimeData& data) {
    std::vector<String> paths;
    // A Linux file name is bytes, not always UTF-8: the path is taken from the
    // URL's own percent-encoding, so that every byte of it stays as it is.
    for (const QUrl& url : data.urls())
        paths.push_back(url.isLocalFile() ? QByteArray::fromPercentEncoding(
                                                url.path(QUrl::FullyEncoded).toLatin1())
                                                .toStdString()
                                          : String());
    return paths;
}

// A drag is judged by its first item, as the drop handler judges it.
bool FileDropFilter::accepts(const QMimeData& data) const {
    const std::vector<String> paths = Paths(data);
    if (paths.empty() || paths.front().empty())
        return false;
    const String name = FolderItem(paths.front()).Name();
    for (const String& typeName : typeNames_) {
        const auto type = FileType::Registered(typeName);
        if (type && type->Matches(name))
            return true;
    }
    return false;
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != parent())
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData() && accepts(*drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData() || !accepts(*drop->mimeData())) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // The handler may show a modal alert; the drag source must not wait
        // for it, so the drop is handled once the drag has ended.
        QMetaObject::invokeMethod(
            this,
            [this, paths = Paths(*drop->mimeData())] { RuntimeDispatch([&] { onDrop_(paths); }); },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
