#include "NSScreen.h"

#include "NSArray.h"

#include <QGuiApplication>
#include <QScreen>
#include <unordered_map>

namespace {

std::unordered_map<const QScreen*, objc::Ref<NSScreen>>& screenObjects() {
    static std::unordered_map<const QScreen*, objc::Ref<NSScreen>> objects;
    return objects;
}

} // namespace

Class NSScreen::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSScreen", NSObject::ClassObject());
        defined->AddClassMethod("screens", [](Class) {
            std::vector<id> screens;
            for (QScreen* const screen : QGuiApplication::screens())
                screens.push_back(Of(*screen));
            return objc_autorelease(new NSArray(screens));
        });
        return defined;
    }();
    return cls;
}

NSScreen* NSScreen::Of(QScreen& screen) {
    auto& objects = screenObjects();
    if (const auto found = objects.find(&screen); found != objects.end())
        return found->second.get();
    // A screen that is detached lets go of its object, so that a screen attached
    // later at the same address gets a new one.
    QObject::connect(&screen, &QObject::destroyed, qApp,
                     [key = &screen] { screenObjects().erase(key); });
    return objects.emplace(&screen, objc::Ref<NSScreen>::Adopt(new NSScreen)).first->second.get();
}
