#pragma once

#include "Colour.h"
#include "DesignRecord.h"
#include "Exceptions.h"
#include "Rect.h"
#include "String.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

class MenuBar;
class QSize;
class QWidget;
class RectControl;
class WindowImpl;

// A top-level window with its controls.
//
// A base constructor cannot reach a subclass's overrides, so a window is made
// in two steps:  auto window = std::make_shared<Window1>(); window->Constructor();
// From then on the framework holds it among the open windows until it closes.
class Window : public std::enable_shared_from_this<Window> {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Raises Layout, CreateControls, each control's Open event in creation
    // order and Event_Open, then shows the window when it is Visible.
    void Constructor();
    // Raises Event_Close once, hides the window and lets the framework drop it.
    void Close();

    // The content area: its size, and its position in global coordinates.
    std::int64_t Width() const;
    void Width(std::int64_t value);
    std::int64_t Height() const;
    void Height(std::int64_t value);
    std::int64_t Left() const;
    void Left(std::int64_t value);
    std::int64_t Top() const;
    void Top(std::int64_t value);

    std::int64_t MinimumWidth() const { return minWidth_; }
    void MinimumWidth(std::int64_t value);
    std::int64_t MinimumHeight() const { return minHeight_; }
    void MinimumHeight(std::int64_t value);
    std::int64_t MinWidth() const { return minWidth_; }
    std::int64_t MinHeight() const { return minHeight_; }
    std::int64_t MaximumWidth() const { return maxWidth_; }
    void MaximumWidth(std::int64_t value);
    std::int64_t MaximumHeight() const { return maxHeight_; }
    void MaximumHeight(std::int64_t value);

    // The frame, title bar included, in global coordinates; before the window
    // is first shown, the frame the window manager announces for it (none
    // without one). Assigning it first raises the width and height to
    // MinWidth and MinHeight, then truncates all four values to whole numbers.
    Rect Bounds() const;
    void Bounds(const Rect& value);

    String Title() const;
    void Title(const String& value);
    bool HasCloseButton() const { return hasCloseButton_; }
    void HasCloseButton(bool value);
    bool HasMinimizeButton() const { return hasMinimizeButton_; }
    void HasMinimizeButton(bool value);
    bool HasMaximizeButton() const { return hasMaximizeButton_; }
    void HasMaximizeButton(bool value);
    bool HasFullScreenButton() const { return hasFullScreenButton_; }
    void HasFullScreenButton(bool value);
    bool Resizeable() const { return resizeable_; }
    void Resizeable(bool value);
    bool Visible() const { return visible_; }
    void Visible(bool value);
    bool HasBackgroundColor() const { return hasBackgroundColor_; }
    void HasBackgroundColor(bool value);
    Colour BackgroundColor() const { return backgroundColor_; }
    void BackgroundColor(Colour value);

    // The window's native object, which the platform layer finds for the
    // window's widget (menu bar included); none when no platform layer has
    // said how.
    void* Handle() const;
    QWidget* NativeWidget() const;
    // For the platform layer: how a window's native object is found. The
    // platform keeps the object alive as long as the widget.
    using HandleMaker = std::function<void*(QWidget& widget)>;
    static void MakeHandlesWith(HandleMaker maker);

    void ApplyDesign(const DesignRecord& record);

    // A new control of class T in this window, not yet registered.
    template <class T> std::shared_ptr<T> New() {
        static_assert(std::is_base_of_v<RectControl, T>);
        auto control = std::make_shared<T>();
        adopt(*control);
        return control;
    }
    // Registers `control` under `name`; the name must be new to the window.
    void AddControl(const String& name, const std::shared_ptr<RectControl>& control);
    // Raises NilObjectException when no control bears that name.
    std::shared_ptr<RectControl> ControlByName(const String& name) const;
    template <class T> std::shared_ptr<T> Control(const String& name) const {
        auto typed = std::dynamic_pointer_cast<T>(ControlByName(name));
        if (!typed)
            throw RuntimeException("The control " + name + " is of another class.");
        return typed;
    }

    // The open windows, the most recently activated first.
    static const std::vector<std::shared_ptr<Window>>& OpenWindows();
    static std::int64_t WindowCount();
    // Raises OutOfBoundsException outside 0 to WindowCount - 1.
    static std::shared_ptr<Window> WindowAt(std::int64_t index);
    // The first open window of class T, or none.
    template <class T> static std::shared_ptr<T> FindOpen() {
        for (const auto& window : OpenWindows())
            if (auto typed = std::dynamic_pointer_cast<T>(window))
                return typed;
        return nullptr;
    }

protected:
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Open() {}
    virtual void Event_Close() {}

private:
    friend class Application;
    friend class WindowImpl;
    friend class RectControl;

    // Where the controls live: the window below its menu bar.
    QWidget* contentWidget() const;
    // Shows `bar` at the top of the window, keeping the content's size; none removes it.
    void showMenuBar(MenuBar* bar);
    // The native window's size for a content of that size.
    QSize frameSize(std::int64_t width, std::int64_t height) const;

    void adopt(RectControl& control);
    void resizeContent(std::int64_t width, std::int64_t height);
    void setContentGeometry(std::int64_t left, std::int64_t top, std::int64_t width,
                            std::int64_t height);
    void applyFlags();
    void applySizeLimits();
    void applyBackground();
    void applyTabOrder();
    void appendInTabOrder(QWidget* parent, std::vector<QWidget*>& chain) const;
    void layoutControls();
    void placeControls();
    void activated();
    void withdraw();

    std::unique_ptr<WindowImpl> widget_;
    // Declared after the widget, so that it goes first.
    std::vector<std::shared_ptr<RectControl>> controls_;
    std::int64_t minWidth_ = 64;
    std::int64_t minHeight_ = 64;
    std::int64_t maxWidth_ = 32000;
    std::int64_t maxHeight_ = 32000;
    Colour backgroundColor_{0x00FFFFFF};
    bool hasCloseButton_ = true;
    bool hasMinimizeButton_ = true;
    bool hasMaximizeButton_ = true;
    bool hasFullScreenButton_ = false;
    bool resizeable_ = true;
    bool visible_ = true;
    bool hasBackgroundColor_ = false;
    bool opened_ = false;
    bool closed_ = false;
};
