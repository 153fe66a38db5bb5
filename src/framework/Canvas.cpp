#include "Canvas.h"

#include "Canvas_p.h"

namespace {

const DesignSetters<Canvas>& canvasSetters() {
    static const DesignSetters<Canvas> setters = [] {
        DesignSetters<Canvas> s;
        Canvas::AddControlSetters(s);
        s.Set("AllowFocus", &Canvas::AllowFocus)
            .Ignore({"AllowFocusRing", "AllowTabs", "DoubleBuffer"});
        return s;
    }();
    return setters;
}

} // namespace

Canvas::Canvas() : RectControl(new CanvasImpl(*this)) {
    NativeWidget()->setFocusPolicy(Qt::NoFocus);
}

void Canvas::Backdrop(std::shared_ptr<Picture> value) {
    backdrop_ = std::move(value);
    NativeWidget()->update();
}

void Canvas::AllowFocus(bool value) {
    allowFocus_ = value;
    const Qt::FocusPolicy accepting = TabStop() ? Qt::StrongFocus : Qt::ClickFocus;
    NativeWidget()->setFocusPolicy(value ? accepting : Qt::NoFocus);
}

void Canvas::ApplyDesign(const DesignRecord& record) {
    canvasSetters().Apply(*this, record);
}
