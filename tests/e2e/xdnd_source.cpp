// A drag source that an outside driver works like a user's file manager: a
// small window at a given place which, when pressed, drags the files named on
// the command line as text/uri-list. So that the driver knows when to press,
// when to release and when the drop is over, it says on stdout:
//   ready              the window is on screen
//   hover              the pointer is over the window
//   pressed            the button went down on the window; the drag starts
//   accepted, refused  the target's answer to the latest position
//   released           the button went up over a target that accepted
//   finished           the target has taken the drop; the program then exits
//   ignored            nothing took the drop; the program exits with status 2
//
// Usage: xdnd_source LEFT TOP FILE...

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls) : urls_(std::move(urls)) {
        setWindowTitle(QStringLiteral("xdnd_source"));
        setFixedSize(80, 80);
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::darkCyan));
    }

protected:
    // Painting follows the server's expose, so a press there now reaches us.
    void paintEvent(QPaintEvent*) override {
        if (!shown_)
            say("ready");
        shown_ = true;
    }

    void enterEvent(QEnterEvent*) override { say("hover"); }

    void mousePressEvent(QMouseEvent*) override {
        say("pressed");
        auto* mime = new QMimeData;
        mime->setUrls(urls_);
        // On X11 exec() returns as soon as the drop is sent, while the target
        // still has to fetch the URLs from us; Qt deletes the drag once the
        // target reports the drop finished, and that is when we may go.
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        connect(drag, &QDrag::actionChanged, this, [](Qt::DropAction action) {
            say(action == Qt::IgnoreAction ? "refused" : "accepted");
        });
        connect(drag, &QObject::destroyed, this, [] {
            say("finished");
            QCoreApplication::exit(0);
        });
        if (drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) == Qt::IgnoreAction) {
            say("ignored");
            QCoreApplication::exit(2);
            return;
        }
        say("released");
    }

private:
    QList<QUrl> urls_;
    bool shown_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: xdnd_source LEFT TOP FILE...\n");
        return 64;
    }
    QList<QUrl> urls;
    for (qsizetype i = 3; i < arguments.size(); ++i)
        urls << QUrl::fromLocalFile(arguments.at(i));

    DragSource source(urls);
    source.move(arguments.at(1).toInt(), arguments.at(2).toInt());
    source.show();
    return QApplication::exec();
}
