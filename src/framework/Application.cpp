#include "Application.h"

#include "Exceptions.h"
#include "ExecutableFile.h"
#include "MenuBar.h"
#include "Runtime.h"
#include "Window.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>

namespace {

bool isKeyEquivalentIn(const MenuItem& menu, const QKeySequence& keys) {
    for (std::int64_t index = 0; index < menu.Count(); ++index) {
        const auto item = menu.Item(index);
        if (item->NativeAction()->shortcut() == keys || isKeyEquivalentIn(*item, keys))
            return true;
    }
    return false;
}

} // namespace

// Before Qt matches a key press against the menus' key equivalents, the
// menus are enabled afresh, so a key equivalent works exactly when its item,
// opened in its menu, would be enabled.
struct Application::KeyWatch : QObject {
    explicit KeyWatch(Application& owner) : owner_(owner) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && owner_.menuBar_) {
            const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
            if (isKeyEquivalentIn(*owner_.menuBar_, keys))
                RuntimeDispatch([this] { owner_.enableMenus(); });
        }
        return QObject::eventFilter(watched, event);
    }

    Application& owner_;
};

Application::Application() : keyWatch_(std::make_unique<KeyWatch>(*this)) {}

Application::~Application() = default;

FolderItemPtr Application::ExecutableFile() const {
    return ::ExecutableFile();
}

QIcon Application::Icon() {
    return QIcon(QStringLiteral(":/application-icon.svg"));
}

void Application::MenuBar(const std::shared_ptr<::MenuBar>& value) {
    menuBar_ = value;
    for (const auto& window : ::Window::OpenWindows())
        window->showMenuBar(value.get());
}

std::int64_t Application::WindowCount() const {
    return ::Window::WindowCount();
}

std::shared_ptr<Window> Application::Window(std::int64_t index) const {
    return ::Window::WindowAt(index);
}

void Application::_AddMenuHandler(const String& name, std::function<bool()> handler) {
    menuHandlers_[name] = std::move(handler);
}

void Application::_x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                                    std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                                    std::int64_t stageCode, const String& longVersion,
                                    const String& shortVersion, const String& /*packageInfo*/) {
    majorVersion_ = majorVersion;
    minorVersion_ = minorVersion;
    bugVersion_ = bugVersion;
    nonReleaseVersion_ = nonReleaseVersion;
    stageCode_ = stageCode;
    longVersion_ = longVersion;
    shortVersion_ = shortVersion;
}

bool Application::handleMenu(const String& name) {
    const auto found = menuHandlers_.find(name);
    return found != menuHandlers_.end() && found->second();
}

void Application::enableMenus() {
    if (!menuBar_)
        return;
    const auto bar = menuBar_;
    for (std::int64_t index = 0; index < bar->Count(); ++index)
        enableAutomatically(*bar->Item(index));
    Event_EnableMenuItems();
    raiseEnableMenu(*bar);
}

void Application::enableAutomatically(MenuItem& menu) const {
    for (std::int64_t index = 0; index < menu.Count(); ++index) {
        const auto item = menu.Item(index);
        const bool acts =
            item->Count() > 0 || menuHandlers_.contains(item->Name()) || item->actsByDefault();
        item->Enabled(item->AutoEnabled() && acts);
        enableAutomatically(*item);
    }
}

void Application::raiseEnableMenu(MenuItem& menu) {
    for (std::int64_t index = 0; index < menu.Count(); ++index) {
        const auto item = menu.Item(index);
        item->Event_EnableMenu();
        raiseEnableMenu(*item);
    }
}
