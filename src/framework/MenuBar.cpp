#include "MenuBar.h"

#include <QMenuBar>
#include <QPointer>
#include <vector>

struct MenuBar::Shown {
    std::vector<QPointer<QMenuBar>> bars;
};

MenuBar::MenuBar() : shown_(std::make_unique<Shown>()) {}

MenuBar::~MenuBar() = default;

QMenuBar* MenuBar::NewNativeBar() {
    auto* bar = new QMenuBar;
    for (std::int64_t index = 0; index < Count(); ++index)
        bar->addAction(Item(index)->NativeAction());
    std::erase_if(shown_->bars, [](const QPointer<QMenuBar>& shown) { return shown.isNull(); });
    shown_->bars.emplace_back(bar);
    return bar;
}

void MenuBar::childAdded(MenuItem& item) {
    for (const QPointer<QMenuBar>& bar : shown_->bars)
        if (bar)
            bar->addAction(item.NativeAction());
}
