#pragma once

#include "DesignRecord.h"
#include "String.h"

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;
class Window;

// A control placed in a window. Left, Top, Width and Height are in the
// window's coordinates, also for a control inside a group box.
//
// Locks: whenever its position or size is set, a control remembers its
// distances to the window's right and bottom edges; when the window resizes,
// a control locked right (bottom) keeps that distance, by growing when it is
// locked left (top) as well and by moving otherwise.
class RectControl : public std::enable_shared_from_this<RectControl> {
public:
    virtual ~RectControl();
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    const String& Name() const { return name_; }
    void Name(const String& value) { name_ = value; }

    std::int64_t Left() const { return left_; }
    void Left(std::int64_t value);
    std::int64_t Top() const { return top_; }
    void Top(std::int64_t value);
    std::int64_t Width() const { return width_; }
    void Width(std::int64_t value);
    std::int64_t Height() const { return height_; }
    void Height(std::int64_t value);

    bool LockLeft() const { return lockLeft_; }
    void LockLeft(bool value) { lockLeft_ = value; }
    bool LockTop() const { return lockTop_; }
    void LockTop(bool value) { lockTop_ = value; }
    bool LockRight() const { return lockRight_; }
    void LockRight(bool value) { lockRight_ = value; }
    bool LockBottom() const { return lockBottom_; }
    void LockBottom(bool value) { lockBottom_ = value; }

    bool Enabled() const { return enabled_; }
    void Enabled(bool value);
    bool Visible() const { return visible_; }
    void Visible(bool value);
    // The order of keyboard focus among the controls of one container.
    std::int64_t TabIndex() const { return tabIndex_; }
    void TabIndex(std::int64_t value) { tabIndex_ = value; }
    bool TabStop() const { return tabStop_; }
    void TabStop(bool value);
    String Tooltip() const;
    void Tooltip(const String& value);
    // The name of the control (a group box) that contains this one; empty for the window.
    const String& InitialParent() const { return initialParent_; }
    void InitialParent(const String& value);

    // "System" or empty is the application's font; a size of 0 its size.
    const String& FontName() const { return fontName_; }
    void FontName(const String& value);
    float FontSize() const { return fontSize_; }
    void FontSize(float value);
    // 0 default, 1 pixel, 2 point, 3 inch, 4 millimetre.
    std::uint8_t FontUnit() const { return fontUnit_; }
    void FontUnit(std::uint8_t value);
    bool Bold() const { return bold_; }
    void Bold(bool value);
    bool Italic() const { return italic_; }
    void Italic(bool value);
    bool Underline() const { return underline_; }
    void Underline(bool value);

    virtual void ApplyDesign(const DesignRecord& record) = 0;

    // Raises NilObjectException once the window that held the widget has gone.
    QWidget* NativeWidget() const;

    // The setters every control class registers: position, size, locks and state.
    template <class T> static void AddControlSetters(DesignSetters<T>& setters) {
        setters.Set("Name", &T::Name)
            .Set("Left", &T::Left)
            .Set("Top", &T::Top)
            .Set("Width", &T::Width)
            .Set("Height", &T::Height)
            .Set("LockLeft", &T::LockLeft)
            .Set("LockTop", &T::LockTop)
            .Set("LockRight", &T::LockRight)
            .Set("LockBottom", &T::LockBottom)
            .Set("TabIndex", &T::TabIndex)
            .Set("TabStop", &T::TabStop)
            .Set("Enabled", &T::Enabled)
            .Set("Visible", &T::Visible)
            .Set("Tooltip", &T::Tooltip)
            .Set("InitialParent", &T::InitialParent)
            .Ignore({"Index", "TabPanelIndex", "AllowAutoDeactivate", "Transparent", "DataSource",
                     "DataField"});
    }

    // The font setters of the controls that show text.
    template <class T> static void AddFontSetters(DesignSetters<T>& setters) {
        setters.Set("FontName", &T::FontName)
            .Set("FontSize", &T::FontSize)
            .Set("FontUnit", &T::FontUnit)
            .Set("Bold", &T::Bold)
            .Set("Italic", &T::Italic)
            .Set("Underline", &T::Underline);
    }

protected:
    explicit RectControl(QWidget* widget);

    // Raised by the window once every control exists, before the window's own Open.
    virtual void Event_Open() {}

    // Runs a handler for an event of the event loop, keeping the control alive meanwhile.
    void raiseEvent(const std::function<void()>& handler);

private:
    friend class Window;

    void attach(Window& window);
    void geometryChanged();
    void rememberEdges();
    void followWindow(std::int64_t windowWidth, std::int64_t windowHeight);
    void place();
    void applyFont();

    struct WidgetHandle;
    std::unique_ptr<WidgetHandle> widget_;
    Window* window_ = nullptr;
    String name_;
    String initialParent_;
    String fontName_ = "System";
    std::int64_t left_ = 0;
    std::int64_t top_ = 0;
    std::int64_t width_ = 100;
    std::int64_t height_ = 100;
    std::int64_t rightDistance_ = 0;
    std::int64_t bottomDistance_ = 0;
    std::int64_t tabIndex_ = 0;
    float fontSize_ = 0;
    std::uint8_t fontUnit_ = 0;
    bool lockLeft_ = true;
    bool lockTop_ = true;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_ = true;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
};
