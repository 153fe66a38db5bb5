#include "Window.h"

#include "Application.h"
#include "Colour_p.h"
#include "MenuBar.h"
#include "RectControl.h"
#include "Runtime.h"
#include "WidgetUnits_p.h"
#include "Window_p.h"

#include <QApplication>
#include <QMenuBar>
#include <algorithm>

namespace {

std::vector<std::shared_ptr<Window>>& openWindows() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

std::vector<std::shared_ptr<Window>>::iterator findOpen(const Window* window) {
    auto& windows = openWindows();
    return std::find_if(windows.begin(), windows.end(),
                        [window](const auto& open) { return open.get() == window; });
}

Window::HandleMaker& handleMaker() {
    static Window::HandleMaker maker;
    return maker;
}

std::int64_t truncated(double value) {
    return static_cast<std::int64_t>(std::clamp(value, -1e15, 1e15));
}

const DesignSetters<Window>& windowSetters() {
    static const DesignSetters<Window> setters = [] {
        DesignSetters<Window> s;
        s.Set("Width", &Window::Width)
            .Set("Height", &Window::Height)
            .Set("MinimumWidth", &Window::MinimumWidth)
            .Set("MinimumHeight", &Window::MinimumHeight)
            .Set("MaximumWidth", &Window::MaximumWidth)
            .Set("MaximumHeight", &Window::MaximumHeight)
            .Set("Title", &Window::Title)
            .Set("HasCloseButton", &Window::HasCloseButton)
            .Set("HasMaximizeButton", &Window::HasMaximizeButton)
            .Set("HasMinimizeButton", &Window::HasMinimizeButton)
            .Set("HasFullScreenButton", &Window::HasFullScreenButton)
            .Set("Resizeable", &Window::Resizeable)
            .Set("Visible", &Window::Visible)
            .Set("HasBackgroundColor", &Window::HasBackgroundColor)
            .Set("BackgroundColor", &Window::BackgroundColor)
            .Ignore({"Type", "Composite", "MacProcID", "FullScreen", "DefaultLocation",
                     "MenuBarVisible", "LiveResize"});
        return s;
    }();
    return setters;
}

} // namespace

Window::Window() : widget_(std::make_unique<WindowImpl>(*this)) {
    applyFlags();
    if (const auto app = RuntimeAppObject())
        showMenuBar(app->MenuBar().get());
    applySizeLimits();
}

Window::~Window() {
    // A control someone still holds must not reach back into a window that is gone.
    for (const auto& control : controls_)
        control->window_ = nullptr;
}

void Window::Constructor() {
    auto& windows = openWindows();
    windows.insert(windows.begin(), shared_from_this());
    try {
        Layout();
        CreateControls();
        applyTabOrder();
        for (const auto& control : std::vector(controls_))
            control->Event_Open();
        Event_Open();
    } catch (...) {
        openWindows().erase(findOpen(this));
        throw;
    }
    opened_ = true;
    widget_->setVisible(visible_);
}

void Window::Close() {
    if (closed_)
        return;
    closed_ = true;
    try {
        Event_Close();
    } catch (...) {
        withdraw();
        throw;
    }
    withdraw();
}

void Window::withdraw() {
    widget_->close();
    const auto found = findOpen(this);
    if (found == openWindows().end())
        return;
    // A window may close from inside one of its own handlers (a button's Action, the
    // close box): the framework's reference goes only once that handler has returned.
    QMetaObject::invokeMethod(
        qApp, [held = std::move(*found)] {}, Qt::QueuedConnection);
    openWindows().erase(found);
    if (const auto app = RuntimeAppObject(); app && app->AutoQuit() && openWindows().empty())
        RuntimeQuit();
}

std::int64_t Window::Width() const {
    return widget_->width();
}

void Window::Width(std::int64_t value) {
    resizeContent(value, Height());
}

std::int64_t Window::Height() const {
    return widget_->height() - widget_->menuBarHeight();
}

void Window::Height(std::int64_t value) {
    resizeContent(Width(), value);
}

std::int64_t Window::Left() const {
    return widget_->geometry().x();
}

void Window::Left(std::int64_t value) {
    setContentGeometry(value, Top(), Width(), Height());
}

std::int64_t Window::Top() const {
    return widget_->geometry().y() + widget_->menuBarHeight();
}

void Window::Top(std::int64_t value) {
    setContentGeometry(Left(), value, Width(), Height());
}

void Window::MinimumWidth(std::int64_t value) {
    minWidth_ = value;
    applySizeLimits();
}

void Window::MinimumHeight(std::int64_t value) {
    minHeight_ = value;
    applySizeLimits();
}

void Window::MaximumWidth(std::int64_t value) {
    maxWidth_ = value;
    applySizeLimits();
}

void Window::MaximumHeight(std::int64_t value) {
    maxHeight_ = value;
    applySizeLimits();
}

Rect Window::Bounds() const {
    const QRect frame = widget_->geometry().marginsAdded(widget_->frameMargins());
    return {static_cast<double>(frame.x()), static_cast<double>(frame.y()),
            static_cast<double>(frame.width()), static_cast<double>(frame.height())};
}

void Window::Bounds(const Rect& value) {
    const std::int64_t width = truncated(std::max(value.Width, static_cast<double>(minWidth_)));
    const std::int64_t height = truncated(std::max(value.Height, static_cast<double>(minHeight_)));
    // The content lies inside the frame and below the menu bar.
    const QMargins margins = widget_->frameMargins() + QMargins(0, widget_->menuBarHeight(), 0, 0);
    setContentGeometry(truncated(value.Left) + margins.left(), truncated(value.Top) + margins.top(),
                       width - margins.left() - margins.right(),
                       height - margins.top() - margins.bottom());
}

String Window::Title() const {
    return widget_->windowTitle().toStdString();
}

void Window::Title(const String& value) {
    widget_->setWindowTitle(QString::fromStdString(value));
}

void Window::HasCloseButton(bool value) {
    hasCloseButton_ = value;
    applyFlags();
}

void Window::HasMinimizeButton(bool value) {
    hasMinimizeButton_ = value;
    applyFlags();
}

void Window::HasMaximizeButton(bool value) {
    hasMaximizeButton_ = value;
    applyFlags();
}

void Window::HasFullScreenButton(bool value) {
    hasFullScreenButton_ = value;
    applyFlags();
}

void Window::Resizeable(bool value) {
    resizeable_ = value;
    applySizeLimits();
}

void Window::Visible(bool value) {
    visible_ = value;
    if (opened_ && !closed_)
        widget_->setVisible(value);
}

void Window::HasBackgroundColor(bool value) {
    hasBackgroundColor_ = value;
    applyBackground();
}

void Window::BackgroundColor(Colour value) {
    backgroundColor_ = value;
    applyBackground();
}

void* Window::Handle() const {
    return handleMaker() ? handleMaker()(*widget_) : nullptr;
}

void Window::MakeHandlesWith(HandleMaker maker) {
    handleMaker() = std::move(maker);
}

QWidget* Window::NativeWidget() const {
    return widget_.get();
}

QWidget* Window::contentWidget() const {
    return &widget_->content();
}

void Window::showMenuBar(MenuBar* bar) {
    const std::int64_t width = Width();
    const std::int64_t height = Height();
    widget_->setMenuBar(bar ? bar->NewNativeBar() : nullptr);
    applySizeLimits();
    resizeContent(width, height);
}

QSize Window::frameSize(std::int64_t width, std::int64_t height) const {
    return {toWidgetSize(width),
            toWidgetSize(toWidgetSize(height) + std::int64_t{widget_->menuBarHeight()})};
}

void Window::ApplyDesign(const DesignRecord& record) {
    windowSetters().Apply(*this, record);
}

void Window::AddControl(const String& name, const std::shared_ptr<RectControl>& control) {
    if (!control)
        throw NilObjectException();
    const bool taken = std::any_of(controls_.begin(), controls_.end(),
                                   [&name](const auto& known) { return known->Name() == name; });
    if (taken)
        throw RuntimeException("The window has a control named " + name + " already.");
    if (control->window_ != this)
        adopt(*control);
    control->Name(name);
    controls_.push_back(control);
}

std::shared_ptr<RectControl> Window::ControlByName(const String& name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [&name](const auto& known) { return known->Name() == name; });
    if (found == controls_.end())
        throw NilObjectException("The window has no control named " + name + ".");
    return *found;
}

const std::vector<std::shared_ptr<Window>>& Window::OpenWindows() {
    return openWindows();
}

std::int64_t Window::WindowCount() {
    return static_cast<std::int64_t>(openWindows().size());
}

std::shared_ptr<Window> Window::WindowAt(std::int64_t index) {
    if (index < 0 || index >= WindowCount())
        throw OutOfBoundsException("There is no open window at index " + std::to_string(index) +
                                   ".");
    return openWindows()[static_cast<std::size_t>(index)];
}

void Window::adopt(RectControl& control) {
    control.attach(*this);
}

void Window::resizeContent(std::int64_t width, std::int64_t height) {
    const QSize size = QSize(toWidgetSize(width), toWidgetSize(height))
                           .boundedTo(QSize(toWidgetSize(maxWidth_), toWidgetSize(maxHeight_)))
                           .expandedTo(QSize(toWidgetSize(minWidth_), toWidgetSize(minHeight_)));
    const QSize frame = frameSize(size.width(), size.height());
    if (!resizeable_)
        widget_->setFixedSize(frame);
    widget_->resize(frame);
    layoutControls();
}

void Window::setContentGeometry(std::int64_t left, std::int64_t top, std::int64_t width,
                                std::int64_t height) {
    resizeContent(width, height);
    // The menu bar stands above the content; the top is brought into the
    // widgets' range first, so that no stored value, however far off, wraps.
    const QPoint origin(
        toWidgetCoordinate(left),
        toWidgetCoordinate(std::int64_t{toWidgetCoordinate(top)} - widget_->menuBarHeight()));
    widget_->setGeometry(QRect(origin, widget_->size()));
}

void Window::applyFlags() {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    flags.setFlag(Qt::WindowCloseButtonHint, hasCloseButton_);
    flags.setFlag(Qt::WindowMinimizeButtonHint, hasMinimizeButton_);
    flags.setFlag(Qt::WindowMaximizeButtonHint, hasMaximizeButton_);
    flags.setFlag(Qt::WindowFullscreenButtonHint, hasFullScreenButton_);
    // Changing the flags of a shown window hides it.
    const bool shown = widget_->isVisible();
    widget_->setWindowFlags(flags);
    if (shown)
        widget_->show();
}

void Window::applySizeLimits() {
    if (resizeable_) {
        widget_->setMinimumSize(frameSize(minWidth_, minHeight_));
        widget_->setMaximumSize(frameSize(maxWidth_, maxHeight_));
    } else {
        widget_->setFixedSize(widget_->size());
    }
    layoutControls();
}

void Window::applyBackground() {
    QPalette palette;
    if (hasBackgroundColor_)
        palette.setColor(QPalette::Window, toQColor(backgroundColor_));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(hasBackgroundColor_);
}

// Keyboard focus follows TabIndex within each container, a container's
// controls right after the container itself.
void Window::applyTabOrder() {
    std::vector<QWidget*> chain;
    appendInTabOrder(contentWidget(), chain);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Window::appendInTabOrder(QWidget* parent, std::vector<QWidget*>& chain) const {
    std::vector<RectControl*> children;
    for (const auto& control : controls_)
        if (control->NativeWidget()->parentWidget() == parent)
            children.push_back(control.get());
    std::stable_sort(
        children.begin(), children.end(),
        [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (RectControl* child : children) {
        QWidget* widget = child->NativeWidget();
        if (widget->focusPolicy() != Qt::NoFocus)
            chain.push_back(widget);
        appendInTabOrder(widget, chain);
    }
}

void Window::layoutControls() {
    for (const auto& control : controls_)
        control->followWindow(Width(), Height());
    placeControls();
}

void Window::placeControls() {
    for (const auto& control : controls_)
        control->place();
}

void Window::activated() {
    const auto found = findOpen(this);
    if (found != openWindows().end())
        std::rotate(openWindows().begin(), found, found + 1);
}
