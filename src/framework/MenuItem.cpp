#include "MenuItem.h"

#include "Application.h"
#include "Exceptions.h"
#include "Runtime.h"

#include <QAction>
#include <QMenu>

namespace {

// Qt takes every "&" as a mnemonic mark and shows "&&" as one "&"; the
// caption shows only its first "&" as a mark.
QString nativeCaption(const String& text) {
    QString caption = QString::fromStdString(text);
    const qsizetype first = caption.indexOf(QLatin1Char('&'));
    if (first < 0)
        return caption;
    return caption.left(first + 1) +
           caption.mid(first + 1).replace(QLatin1String("&"), QLatin1String("&&"));
}

QKeySequence keySequence(const String& text) {
    if (text.empty())
        return {};
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('+'));
    Qt::KeyboardModifiers modifiers;
    for (qsizetype index = 0; index + 1 < parts.size(); ++index) {
        if (parts[index] == QLatin1String("Cmd"))
            modifiers |= Qt::ControlModifier;
        else if (parts[index] == QLatin1String("Shift"))
            modifiers |= Qt::ShiftModifier;
        else if (parts[index] == QLatin1String("Option"))
            modifiers |= Qt::AltModifier;
        else
            throw RuntimeException("The key equivalent " + text + " names an unknown modifier.");
    }
    const QKeySequence key(parts.last());
    if (key.count() != 1 || key[0].keyboardModifiers() != Qt::NoModifier)
        throw RuntimeException("The key equivalent " + text + " names no key.");
    return QKeySequence(QKeyCombination(modifiers, key[0].key()));
}

} // namespace

struct MenuItem::Native {
    QAction action;
    // Made with the first child. A menu opening is the moment to enable its items.
    std::unique_ptr<QMenu> menu;
};

MenuItem::MenuItem() : native_(std::make_unique<Native>()) {
    QObject::connect(&native_->action, &QAction::triggered, &native_->action, [this] { chosen(); });
}

MenuItem::~MenuItem() = default;

void MenuItem::Text(const String& value) {
    text_ = value;
    // Some styles would print a separator's text on its line.
    const bool separator = value == "-";
    native_->action.setSeparator(separator);
    native_->action.setText(separator ? QString() : nativeCaption(value));
}

bool MenuItem::Visible() const {
    return native_->action.isVisible();
}

void MenuItem::Visible(bool value) {
    native_->action.setVisible(value);
}

void MenuItem::Shortcut(const String& value) {
    native_->action.setShortcut(keySequence(value));
    shortcut_ = value;
}

bool MenuItem::Enabled() const {
    return native_->action.isEnabled();
}

void MenuItem::Enabled(bool value) {
    native_->action.setEnabled(value);
}

void MenuItem::AddMenu(const std::shared_ptr<MenuItem>& item) {
    if (!item)
        throw NilObjectException();
    if (!native_->menu) {
        native_->menu = std::make_unique<QMenu>();
        QObject::connect(native_->menu.get(), &QMenu::aboutToShow, native_->menu.get(), [] {
            if (const auto app = RuntimeAppObject())
                RuntimeDispatch([app] { app->enableMenus(); });
        });
        native_->action.setMenu(native_->menu.get());
    }
    children_.push_back(item);
    native_->menu->addAction(&item->native_->action);
    childAdded(*item);
}

std::shared_ptr<MenuItem> MenuItem::Item(std::int64_t index) const {
    if (index < 0 || index >= Count())
        throw OutOfBoundsException("The menu has no item at index " + std::to_string(index) + ".");
    return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const {
    for (const auto& child : children_)
        if (child->Name() == name)
            return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::_Lookup(const String& name) const {
    if (auto child = Child(name))
        return child;
    for (const auto& child : children_)
        if (auto found = child->_Lookup(name))
            return found;
    return nullptr;
}

QAction* MenuItem::NativeAction() const {
    return &native_->action;
}

QMenu* MenuItem::NativeMenu() const {
    return native_->menu.get();
}

void MenuItem::chosen() {
    const auto keepAlive = weak_from_this().lock();
    RuntimeDispatch([this] {
        if (Event_Action())
            return;
        if (const auto app = RuntimeAppObject(); app && app->handleMenu(name_))
            return;
        defaultAction();
    });
}
