#pragma once

#include "String.h"

#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QMenu;

// An item of a menu, or a menu when it has items of its own. Natively a
// QAction, which carries a QMenu of the children once there are any.
class MenuItem : public std::enable_shared_from_this<MenuItem> {
public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const String& Name() const { return name_; }
    void Name(const String& value) { name_ = value; }
    // Whether the framework enables the item by itself; see Application::enableMenus.
    bool AutoEnabled() const { return autoEnabled_; }
    void AutoEnabled(bool value) { autoEnabled_ = value; }
    // The caption. Its first "&" is not shown: it marks the next character as
    // the mnemonic. "-" makes the item a separator line.
    const String& Text() const { return text_; }
    void Text(const String& value);
    bool Visible() const;
    void Visible(bool value);
    // The key equivalent: modifier names and the key joined by "+" ("Cmd+W",
    // "Cmd+Shift+Z"). Cmd is the Ctrl key here, Option the Alt key. Empty for
    // none. RuntimeException for a text that names no key.
    const String& Shortcut() const { return shortcut_; }
    void Shortcut(const String& value);
    bool Enabled() const;
    void Enabled(bool value);
    void Enable() { Enabled(true); }

    // Appends `item` as the last child; NilObjectException for none.
    void AddMenu(const std::shared_ptr<MenuItem>& item);
    std::int64_t Count() const { return static_cast<std::int64_t>(children_.size()); }
    // The child at `index`; OutOfBoundsException outside 0 to Count - 1.
    std::shared_ptr<MenuItem> Item(std::int64_t index) const;
    // The direct child of that name, or none.
    std::shared_ptr<MenuItem> Child(const String& name) const;
    // The item of that name anywhere below this one, the children before
    // their own items, or none.
    std::shared_ptr<MenuItem> _Lookup(const String& name) const;

    QAction* NativeAction() const;
    // The native menu of the children; none while there are none.
    QMenu* NativeMenu() const;

protected:
    // The Action event, raised when the user chooses the item; true when it
    // handled the choice, otherwise the menu handler of the item's name runs.
    virtual bool Event_Action() { return false; }
    // The EnableMenu event, raised each time the framework enables the menus.
    virtual void Event_EnableMenu() {}
    // Whether the item does something when chosen even when neither its Action
    // event nor a menu handler takes the choice, and what.
    virtual bool actsByDefault() const { return false; }
    virtual void defaultAction() {}
    // Raised after AddMenu has appended `item`.
    virtual void childAdded(MenuItem&) {}

private:
    friend class Application;

    void chosen();

    struct Native;
    std::unique_ptr<Native> native_;
    std::vector<std::shared_ptr<MenuItem>> children_;
    String name_;
    String text_;
    String shortcut_;
    bool autoEnabled_ = true;
};
