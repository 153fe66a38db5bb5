#include "ShellTestCase.h"
#include "shell/App.h"
#include "shell/CocoaMenu.h"
#include "shell/Startup.h"
#include "window/Window1.h"
#include "window/myListBox.h"

#include "framework/MenuBar.h"
#include "framework/PushButton.h"
#include "platform/NSMenu.h"
#include "platform/NSMenuItem.h"
#include "platform/NSObject.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

SEL sel(const char* name) {
    return sel_registerName(name);
}

std::vector<std::string> validations;

// Targets that answer "probeAction:" and validate it in each of the ways a target can.
struct Probes {
    Class noValidation;
    Class refusesMenuItemOnly;
    Class refusesMenuItemAcceptsInterfaceItem;
};

const Probes& probes() {
    static const Probes classes = [] {
        const Class plain = objc::DefineClass("QSPlainTarget", NSObject::ClassObject());
        plain->AddMethod("probeAction:", [](id, id) {});
        const Class menuOnly = objc::DefineClass("QSMenuItemValidator", plain);
        menuOnly->AddMethod("validateMenuItem:", [](id, id) {
            validations.emplace_back("validateMenuItem:");
            return NO;
        });
        const Class both = objc::DefineClass("QSBothValidator", menuOnly);
        both->AddMethod("validateUserInterfaceItem:", [](id, id) {
            validations.emplace_back("validateUserInterfaceItem:");
            return YES;
        });
        return Probes{plain, menuOnly, both};
    }();
    return classes;
}

// An item whose action and explicit target the test chooses.
class ProbeItem : public CocoaMenu::CocoaMenuItem {
public:
    String selectorName = "probeAction:";
    objc::Ref<NSObject> target;

protected:
    String Event_ActionSelectorName() override { return selectorName; }
    id Event_Target(id) override { return target.get(); }
};

std::shared_ptr<ProbeItem> probeItem(const String& text) {
    auto item = std::make_shared<ProbeItem>();
    item->Text(text);
    return item;
}

class CocoaMenuTest : public ShellTestCase {
protected:
    static std::int64_t tagOf(id nativeItem) {
        return objc_msgSend<std::int64_t>(nativeItem, sel("tag"));
    }
};

TEST_F(CocoaMenuTest, TheTargetAndItsValidationsDecideEnabling) {
    const auto item = probeItem("Probe");
    item->Enabled(true);
    item->Event_EnableMenu(); // nothing in the responder chain answers the action
    EXPECT_FALSE(item->Enabled());

    const struct {
        Class target;
        bool enabled;
        std::vector<std::string> asked;
    } cases[] = {
        {probes().noValidation, true, {}},
        {probes().refusesMenuItemOnly, false, {"validateMenuItem:"}},
        {probes().refusesMenuItemAcceptsInterfaceItem,
         true,
         {"validateMenuItem:", "validateUserInterfaceItem:"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(class_getName(c.target));
        item->target = objc::New<NSObject>(c.target);
        item->Enabled(!c.enabled);
        validations.clear();
        id seen = reinterpret_cast<id>(1);
        item->EnableMenu = [&seen](id target) {
            seen = target;
        };
        item->Event_EnableMenu();
        EXPECT_EQ(item->Enabled(), c.enabled);
        EXPECT_EQ(validations, c.asked);
        EXPECT_EQ(seen, item->target.get());
    }
}

TEST_F(CocoaMenuTest, NativeItemsAreFoundByTheirTitleLessTheFirstAmpersand) {
    const auto bar = App::Accessor()->MenuBar();
    const auto menu = probeItem("Te&st");
    bar->AddMenu(menu);
    const auto ampersands = probeItem("A&B&C");
    const auto firstTwin = probeItem("Twin");
    const auto secondTwin = probeItem("Twin");
    for (const auto& entry : {ampersands, firstTwin, secondTwin})
        menu->AddMenu(entry);

    const id nativeMenu = CocoaMenu::CocoaMenuItem::GetNSMenu(menu.get());
    ASSERT_NE(nativeMenu, nil);
    EXPECT_EQ(nativeMenu, NSMenu::For(menu->NativeMenu()));
    const auto nativeOf = [](const MenuItem& entry) {
        return CocoaMenu::CocoaMenuItem::GetNSMenuItem(&entry);
    };
    EXPECT_EQ(nativeOf(*ampersands), NSMenuItem::For(ampersands->NativeAction())); // titled "AB&C"
    EXPECT_EQ(nativeOf(*secondTwin), NSMenuItem::For(firstTwin->NativeAction()));

    const auto stray = probeItem("Twin");
    EXPECT_EQ(CocoaMenu::CocoaMenuItem::GetParentOf(stray.get()), nullptr);
    EXPECT_EQ(nativeOf(*stray), nullptr);
}

TEST_F(CocoaMenuTest, EveryEnablingAndChoiceSetsTheTagAndAnUnreceivedActionReportsFalse) {
    const id nativeClose = CocoaMenu::CocoaMenuItem::GetNSMenuItem(FileClose().get());
    ASSERT_NE(nativeClose, nil);
    objc_msgSend<void>(nativeClose, sel("setTag:"), std::int64_t{7});
    FileClose()->Event_EnableMenu();
    EXPECT_EQ(tagOf(nativeClose), 0);
    EXPECT_EQ(objc_msgSend<SEL>(nativeClose, sel("action")), sel("performClose:"));
    EXPECT_FALSE(FileClose()->Enabled()); // no window to close

    objc_msgSend<void>(nativeClose, sel("setTag:"), std::int64_t{7});
    EXPECT_FALSE(FileClose()->Event_Action());
    EXPECT_EQ(tagOf(nativeClose), 0);
}

TEST_F(CocoaMenuTest, CtrlWClosesTheWindow) {
    const auto window = openWindow();
    QTest::keyClick(window->ListBox1()->NativeWidget(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(Window::WindowCount(), 0);
}

TEST_F(CocoaMenuTest, CtrlASelectsEveryRowWhileTheListHasTheFocus) {
    const auto window = openWindow();
    const auto list = window->ListBox1();
    QWidget* view = list->NativeWidget();
    view->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->hasFocus(); }));
    for (const char* value : {"a", "b", "c"})
        list->AddRow({value, value});
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    for (std::int64_t row = 0; row < list->ListCount(); ++row)
        EXPECT_TRUE(list->Selected(row)) << row;

    const auto selectAll = std::dynamic_pointer_cast<CocoaMenu::CocoaMenuItem>(
        App::Accessor()->MenuBar()->_Lookup("EditSelectAll"));
    window->ControlByName("PushButton1")->NativeWidget()->setFocus();
    selectAll->Event_EnableMenu();
    EXPECT_FALSE(selectAll->Enabled());
}

TEST_F(CocoaMenuTest, MinimizeAndZoomChangeTheWindowAndBringAllToFrontNeedsOne) {
    const auto window = openWindow();
    QWidget* native = window->NativeWidget();
    const QRect designed = native->geometry();

    EXPECT_TRUE(WindowZoom()->Event_Action());
    const QRect available = native->screen()->availableGeometry();
    EXPECT_EQ(native->frameGeometry(), available);
    EXPECT_GT(window->Height(), 500); // the controls follow the content
    EXPECT_EQ(window->ListBox1()->Height(), 216 + window->Height() - 500);
    EXPECT_TRUE(WindowZoom()->Event_Action());
    EXPECT_EQ(native->geometry(), designed);

    WindowBringAlltoFront()->Event_EnableMenu();
    EXPECT_TRUE(WindowBringAlltoFront()->Enabled());
    EXPECT_TRUE(WindowBringAlltoFront()->Event_Action());

    EXPECT_TRUE(WindowMinimize()->Event_Action());
    EXPECT_TRUE(native->isMinimized());

    window->Close();
    QCoreApplication::sendPostedEvents();
    WindowBringAlltoFront()->Event_EnableMenu();
    EXPECT_FALSE(WindowBringAlltoFront()->Enabled());
}

} // namespace
