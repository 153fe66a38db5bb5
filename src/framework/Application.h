#pragma once

#include "FolderItem.h"
#include "String.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class MenuBar;
class MenuItem;
class QIcon;
class Window;

// The application object: one per program, registered with
// RuntimeRegisterAppObject. It carries the version data, the menu bar shown
// in every window and the menu handlers, and raises the application's events.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // When true, the application quits once its last window has closed.
    bool AutoQuit() const { return autoQuit_; }
    void AutoQuit(bool value) { autoQuit_ = value; }
    // The running executable.
    FolderItemPtr ExecutableFile() const;
    // The icon the executable carries; every window and the About panel show it.
    static QIcon Icon();
    std::shared_ptr<::MenuBar> MenuBar() const { return menuBar_; }
    // Shows the bar in every window, those open now and those still to come.
    void MenuBar(const std::shared_ptr<::MenuBar>& value);
    std::int64_t WindowCount() const;
    // The open window at `index`, the frontmost first; OutOfBoundsException
    // outside 0 to WindowCount - 1.
    std::shared_ptr<::Window> Window(std::int64_t index) const;

    // Registers what runs when the user chooses the menu item of that name and
    // the item's own Action event has not handled it; true means handled.
    void _AddMenuHandler(const String& name, std::function<bool()> handler);
    // The version the About panel shows. `packageInfo`, the type and creator
    // codes a macOS bundle keeps beside its executable, has no place on Linux
    // and is not kept.
    void _x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                           std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                           std::int64_t stageCode, const String& longVersion,
                           const String& shortVersion, const String& packageInfo);

    std::int64_t MajorVersion() const { return majorVersion_; }
    std::int64_t MinorVersion() const { return minorVersion_; }
    std::int64_t BugVersion() const { return bugVersion_; }
    std::int64_t NonReleaseVersion() const { return nonReleaseVersion_; }
    std::int64_t StageCode() const { return stageCode_; }
    const String& LongVersion() const { return longVersion_; }
    const String& ShortVersion() const { return shortVersion_; }

    // Raised by the framework once, when the application opens.
    void raiseOpen() { Event_Open(); }
    // Runs the menu handler registered under `name`; false when there is none
    // or it did not handle the choice.
    bool handleMenu(const String& name);
    // Enables the menus afresh, as the framework does whenever the user opens
    // a menu or presses a key equivalent: every item that is not automatically
    // enabled is disabled, every automatically enabled one is enabled when
    // choosing it does something; then EnableMenuItems is raised, then each
    // item's EnableMenu.
    void enableMenus();

protected:
    virtual void Event_Open() {}
    virtual void Event_EnableMenuItems() {}

private:
    void enableAutomatically(MenuItem& menu) const;
    static void raiseEnableMenu(MenuItem& menu);

    struct KeyWatch;
    std::unique_ptr<KeyWatch> keyWatch_;
    std::shared_ptr<::MenuBar> menuBar_;
    std::map<String, std::function<bool()>> menuHandlers_;
    String longVersion_;
    String shortVersion_;
    std::int64_t majorVersion_ = 0;
    std::int64_t minorVersion_ = 0;
    std::int64_t bugVersion_ = 0;
    std::int64_t nonReleaseVersion_ = 0;
    std::int64_t stageCode_ = 0;
    bool autoQuit_ = false;
};
