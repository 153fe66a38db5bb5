#include "ApplicationStyle_p.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace {

// An icon that reads its images on first use.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> read)
        : icon_(std::make_shared<Deferred>(std::move(read))) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    // Copies share the one icon, read once.
    struct Deferred {
        explicit Deferred(std::function<QIcon()> reader) : read(std::move(reader)) {}
        std::function<QIcon()> read;
        std::optional<QIcon> icon;
    };

    const QIcon& icon() const {
        if (!icon_->icon)
            icon_->icon = icon_->read();
        return *icon_->icon;
    }

    std::shared_ptr<Deferred> icon_;
};

} // namespace

QIcon ApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Read from the style in use when the icon is first drawn; the widget
    // only tunes the look, and may be gone by then.
    return QIcon(new DeferredIconEngine([icon, shownOn = QPointer(const_cast<QWidget*>(widget))] {
        const QStyle* style = QApplication::style();
        if (const auto* own = dynamic_cast<const ApplicationStyle*>(style))
            style = own->baseStyle();
        return style->standardIcon(icon, nullptr, shownOn.data());
    }));
}
