#include "FuzzApplication.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontDatabase>
#include <sanitizer/lsan_interface.h>

namespace {

class CloseDialogs : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && event->type() == QEvent::Show)
            QMetaObject::invokeMethod(
                dialog, [dialog] { dialog->done(0); }, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void StartFuzzApplication(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warning about every damaged input would only bury a finding.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // The application lives until the process ends and is never destroyed:
    // taken down among the other statics at exit, it would outlive parts of
    // Qt it needs.
    auto* application = new QApplication(*argc, *argv);
    application->installEventFilter(new CloseDialogs);
    // The font configuration is read now, as the first dialog would read it,
    // and not checked for leaks: fontconfig loses a few hundred bytes of it
    // for good as it parses its configuration files (FcInitLoadConfigAndFonts),
    // which would otherwise count as the leak of the first input.
    {
        const __lsan::ScopedDisabler fontConfiguration;
        QFontDatabase::families();
    }
}
