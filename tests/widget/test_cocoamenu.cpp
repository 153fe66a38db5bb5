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

// An item whose action, explicit target and tag the test chooses.
class ProbeItem : public CocoaMenu::CocoaMenuItem {
public:
    String selectorName = "probeAction:";
    objc::Ref<NSObject> target;
    std::int64_t tag = 0;

protected:
    String Event_ActionSelectorName() override { return selectorName; }
    id Event_Target(id) override { return target.get(); }
    std::int64_t Event_CocoaTag() override { return tag; }
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
        item->Event_EnableMenu();
        EXPECT_EQ(item->Enabled(), c.enabled);
        EXPECT_EQ(validations, c.asked);
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

TEST_F(CocoaMenuTest,
       EveryEnablingAndChoiceGiveTheNativeItemItsTagAndAnUnreceivedActionReportsFalse) {
    const auto menu = probeItem("Tagged");
    App::Accessor()->MenuBar()->AddMenu(menu);
    const auto item = probeItem("Probe");
    menu->AddMenu(item);
    const id nativeItem = CocoaMenu::CocoaMenuItem::GetNSMenuItem(item.get());
    ASSERT_NE(nativeItem, nil);
    item->tag = 7;
    item->Event_EnableMenu();
    EXPECT_EQ(tagOf(nativeItem), 7);
    EXPECT_EQ(objc_msgSend<SEL>(nativeItem, sel("action")), sel("probeAction:"));
    EXPECT_FALSE(item->Enabled()); // nothing answers the action
    item->tag = 9;
    EXPECT_FALSE(item->Event_Action());
    EXPECT_EQ(tagOf(nativeItem), 9);

    const id nativeClose = CocoaMenu::CocoaMenuItem::GetNSMenuItem(FileClose().get());
    FileClose()->Event_EnableMenu();
    EXPECT_EQ(objc_msgSend<SEL>(nativeClose, sel("action")), sel("performClose:"));
    EXPECT_FALSE(FileClose()->Enabled()); // no window to close
    EXPECT_FALSE(FileClose()->Event_Action());
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
