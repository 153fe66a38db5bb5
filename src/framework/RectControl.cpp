#include "RectControl.h"

#include "Exceptions.h"
#include "Runtime.h"
#include "WidgetUnits_p.h"
#include "Window.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// On the Mac a point is one logical pixel, and control positions count logical
// pixels too; so do font sizes here.
double pixelsPerUnit(std::uint8_t unit) {
    switch (unit) {
    case 3:
        return 72.0;
    case 4:
        return 72.0 / 25.4;
    default:
        return 1.0;
    }
}

} // namespace

// The widget belongs to its Qt parent as well: when the window goes first, the
// pointer turns null instead of dangling.
struct RectControl::WidgetHandle {
    QPointer<QWidget> widget;
};

RectControl::RectControl(QWidget* widget) : widget_(std::make_unique<WidgetHandle>()) {
    widget_->widget = widget;
    place();
}

RectControl::~RectControl() {
    delete widget_->widget.data();
}

QWidget* RectControl::NativeWidget() const {
    if (!widget_->widget)
        throw NilObjectException("The control " + name_ + " has no window any more.");
    return widget_->widget.data();
}

void RectControl::Left(std::int64_t value) {
    left_ = value;
    geometryChanged();
}

void RectControl::Top(std::int64_t value) {
    top_ = value;
    geometryChanged();
}

void RectControl::Width(std::int64_t value) {
    width_ = std::max<std::int64_t>(0, value);
    geometryChanged();
}

void RectControl::Height(std::int64_t value) {
    height_ = std::max<std::int64_t>(0, value);
    geometryChanged();
}

void RectControl::Enabled(bool value) {
    enabled_ = value;
    NativeWidget()->setEnabled(value);
}

void RectControl::Visible(bool value) {
    visible_ = value;
    // A widget without a parent would show as a window of its own.
    if (NativeWidget()->parentWidget())
        NativeWidget()->setVisible(value);
}

void RectControl::TabStop(bool value) {
    tabStop_ = value;
    QWidget* widget = NativeWidget();
    if (!value && (widget->focusPolicy() & Qt::TabFocus))
        widget->setFocusPolicy(Qt::ClickFocus);
    else if (value && widget->focusPolicy() == Qt::ClickFocus)
        widget->setFocusPolicy(Qt::StrongFocus);
}

String RectControl::Tooltip() const {
    return NativeWidget()->toolTip().toStdString();
}

void RectControl::Tooltip(const String& value) {
    NativeWidget()->setToolTip(QString::fromStdString(value));
}

void RectControl::InitialParent(const String& value) {
    initialParent_ = value;
    if (!window_)
        return;
    QWidget* parent =
        value.empty() ? window_->contentWidget() : window_->ControlByName(value)->NativeWidget();
    QWidget* widget = NativeWidget();
    widget->setParent(parent);
    widget->setVisible(visible_);
    place();
}

void RectControl::FontName(const String& value) {
    fontName_ = value;
    applyFont();
}

void RectControl::FontSize(float value) {
    fontSize_ = value;
    applyFont();
}

void RectControl::FontUnit(std::uint8_t value) {
    fontUnit_ = value;
    applyFont();
}

void RectControl::Bold(bool value) {
    bold_ = value;
    applyFont();
}

void RectControl::Italic(bool value) {
    italic_ = value;
    applyFont();
}

void RectControl::Underline(bool value) {
    underline_ = value;
    applyFont();
}

void RectControl::raiseEvent(const std::function<void()>& handler) {
    const auto keepAlive = weak_from_this().lock();
    RuntimeDispatch(handler);
}

void RectControl::attach(Window& window) {
    window_ = &window;
    QWidget* widget = NativeWidget();
    widget->setParent(window.contentWidget());
    widget->setVisible(visible_);
    geometryChanged();
}

void RectControl::geometryChanged() {
    rememberEdges();
    place();
    // The controls inside this one keep their places in the window.
    if (window_)
        window_->placeControls();
}

void RectControl::rememberEdges() {
    if (!window_)
        return;
    rightDistance_ = window_->Width() - (left_ + width_);
    bottomDistance_ = window_->Height() - (top_ + height_);
}

void RectControl::followWindow(std::int64_t windowWidth, std::int64_t windowHeight) {
    if (lockRight_) {
        const std::int64_t right = windowWidth - rightDistance_;
        if (lockLeft_)
            width_ = std::max<std::int64_t>(0, right - left_);
        else
            left_ = right - width_;
    }
    if (lockBottom_) {
        const std::int64_t bottom = windowHeight - bottomDistance_;
        if (lockTop_)
            height_ = std::max<std::int64_t>(0, bottom - top_);
        else
            top_ = bottom - height_;
    }
}

void RectControl::place() {
    QWidget* widget = NativeWidget();
    QWidget* parent = widget->parentWidget();
    QPoint origin;
    if (window_ && parent && parent != window_->contentWidget())
        origin = parent->mapTo(window_->contentWidget(), QPoint(0, 0));
    widget->setGeometry(toWidgetCoordinate(left_) - origin.x(),
                        toWidgetCoordinate(top_) - origin.y(), toWidgetCoordinate(width_),
                        toWidgetCoordinate(height_));
}

void RectControl::applyFont() {
    QFont font;
    if (!fontName_.empty() && fontName_ != "System")
        font.setFamily(QString::fromStdString(fontName_));
    if (fontSize_ > 0) {
        const double pixels = static_cast<double>(fontSize_) * pixelsPerUnit(fontUnit_);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    }
    if (bold_)
        font.setBold(true);
    if (italic_)
        font.setItalic(true);
    if (underline_)
        font.setUnderline(true);
    NativeWidget()->setFont(font);
}
