// mapdiff OLD.app NEW.app
//
// Reads the two bundles' Adobe-Japan1 mapping files exactly as the compare
// button does (old first) and prints the rows it would list, one per line:
// old value, tab, new value. A timing tool for the comparison's engine, not
// part of the program. An alert the reader raises goes to stderr instead of
// waiting for a click, and the exit status is then 1.
#include "window/Window1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>

#include <cstdio>

namespace {

// Answers every message box as soon as it shows, so that a missing or empty
// mapping file ends the run instead of waiting for a click that never comes.
class AlertToStderr : public QObject {
public:
    bool alerted() const { return alerted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            alerted_ = true;
            std::fprintf(stderr, "mapdiff: %s\n", qUtf8Printable(box->text()));
            // Clicked from the box's own event loop, once it is running.
            QMetaObject::invokeMethod(
                box,
                [box] {
                    const QList<QAbstractButton*> buttons = box->buttons();
                    if (buttons.isEmpty())
                        box->reject();
                    else
                        buttons.first()->click();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool alerted_ = false;
};

// The rows the compare button lists: every key of the old map that the new
// map holds with a value that compares different, in the old map's order.
String differences(const Dictionary& oldMap, const Dictionary& newMap) {
    String rows;
    if (oldMap.KeyCount() == 0 || newMap.KeyCount() == 0)
        return rows;
    for (const String& key : oldMap.Keys()) {
        if (!newMap.HasKey(key))
            continue;
        const String& oldValue = oldMap.Value(key);
        const String& newValue = newMap.Value(key);
        if (Str::Compare(oldValue, newValue, ComparisonOptions::CaseSensitive) == 0)
            continue;
        rows.append(oldValue).append("\t").append(newValue).append("\n");
    }
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: mapdiff OLD.app NEW.app\n", stderr);
        return 2;
    }
    // The reader may raise an alert, which needs a GUI application; without a
    // display one runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    AlertToStderr alerts;
    application.installEventFilter(&alerts);

    const Dictionary oldMap = Window1::GetMapFile(std::make_shared<FolderItem>(String(argv[1])));
    const Dictionary newMap = Window1::GetMapFile(std::make_shared<FolderItem>(String(argv[2])));
    const String rows = differences(oldMap, newMap);

    if (std::fwrite(rows.data(), 1, rows.size(), stdout) != rows.size() ||
        std::fflush(stdout) != 0) {
        std::perror("mapdiff: cannot write the rows");
        return 1;
    }
    return alerts.alerted() ? 1 : 0;
}
