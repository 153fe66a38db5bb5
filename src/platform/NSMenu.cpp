#include "NSMenu.h"

#include "NSMenuItem.h"
#include "NSString.h"
#include "NativePeer.h"

#include <QAction>
#include <QWidget>

namespace {

// The caption as Qt shows it: "&&" is one "&", any other "&" marks a mnemonic.
QString shownTitle(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            shown += text[i];
        else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
            shown += text[++i];
    }
    return shown;
}

} // namespace

Class NSMenu::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSMenu", NSObject::ClassObject());
        defined->AddMethod("itemWithTitle:", [](NSMenu* self, NSString* title) -> id {
            if (!title || !self->menu_)
                return nil;
            const std::string_view text = title->Text();
            const QString wanted =
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            for (QAction* action : self->menu_->actions())
                if (shownTitle(action->text()) == wanted)
                    return NSMenuItem::For(action);
            return nil;
        });
        return defined;
    }();
    return cls;
}

NSMenu* NSMenu::For(QWidget* menu) {
    return objc::NativePeer::Of<NSMenu>(menu, [](QWidget* native) { return new NSMenu(native); });
}
