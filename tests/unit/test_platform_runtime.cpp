#include "platform/CFString.h"
#include "platform/CGGeometry.h"
#include "platform/FinderCollator.h"
#include "platform/Foundation.h"
#include "platform/NSObject.h"
#include "platform/NSString.h"
#include "platform/ObjCRuntime.h"

#include "framework/Exceptions.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

SEL sel(const char* name) {
    return sel_registerName(name);
}

// An object that reports its deletion.
class Tracked : public NSObject {
public:
    explicit Tracked(std::function<void()> onDelete) : onDelete_(std::move(onDelete)) {}
    ~Tracked() override { onDelete_(); }

private:
    const std::function<void()> onDelete_;
};

Tracked* newTracked(
    bool& deleted, std::function<void()> then = [] {}) {
    return new Tracked([&deleted, then] {
        deleted = true;
        then();
    });
}

// Quits the loop if it still runs, so that a drain that comes late cannot reach a loop that is
// gone.
std::function<void()> quitting(QEventLoop& loop) {
    return [guarded = QPointer<QEventLoop>(&loop)] {
        if (guarded)
            guarded->quit();
    };
}

std::optional<BOOL> lastTabbing;

// A class and a subclass with a method for every kind of value a message carries.
struct Probes {
    Class probe;
    Class child;
};

const Probes& probes() {
    static const Probes classes = [] {
        const Class probe = objc::DefineClass("QSProbe", NSObject::ClassObject());
        probe->AddClassMethod("setAllowsAutomaticWindowTabbing:",
                              [](Class, BOOL allow) { lastTabbing = allow; });
        probe->AddMethod("count", [](id) { return std::int64_t{42}; });
        probe->AddMethod("isOpaque", [](id) { return YES; });
        probe->AddMethod("doubled:", [](id, double value) { return 2 * value; });
        probe->AddMethod("widen:", [](id, CGRect* rect) {
            if (rect)
                rect->size.width *= 2;
            return rect != nullptr;
        });
        probe->AddMethod("widthOf:", [](id, const CGRect* rect) { return rect->size.width; });
        probe->AddMethod("echo:", [](id, id object) { return object; });
        probe->AddMethod("echoSelector:", [](id, SEL selector) { return selector; });
        probe->AddMethod("byte:", [](id, unsigned char value) { return value; });
        probe->AddMethod("close", [](id) {});
        const Class child = objc::DefineClass("QSProbeChild", probe);
        child->AddMethod("count", [](id) { return std::int64_t{7}; });
        return Probes{probe, child};
    }();
    return classes;
}

std::string failureOf(const std::function<void()>& send) {
    try {
        send();
    } catch (const RuntimeException& error) {
        return error.Message;
    }
    return "no exception";
}

// As the difference list orders two cell texts.
std::int64_t finderCompare(const String& a, const String& b) {
    const CFStringRef first = StringToCFString(a);
    const CFStringRef second = StringToCFString(b);
    const auto order = objc_msgSend<std::int64_t>(first, sel("localizedStandardCompare:"), second);
    UnlockCFString(first);
    UnlockCFString(second);
    return order;
}

} // namespace

TEST(Selectors, AreInternedByName) {
    EXPECT_EQ(sel_registerName("performClose:"), NSSelectorFromString("performClose:"));
    EXPECT_NE(sel_registerName("performClose:"), sel_registerName("performClose"));
    EXPECT_STREQ(sel_getName(sel_registerName("arrangeInFront:")), "arrangeInFront:");
}

TEST(Classes, AreFoundByTheirNameOnly) {
    EXPECT_EQ(NSClassFromString("NSString"), NSString::ClassObject());
    EXPECT_STREQ(class_getName(NSClassFromString("NSObject")), "NSObject");
    EXPECT_EQ(NSClassFromString("NSNoSuchClass"), nil);
    EXPECT_EQ(NSClassFromString(""), nil);
    EXPECT_THROW(objc::DefineClass("NSString", NSObject::ClassObject()), RuntimeException);
}

TEST(Messaging, ToNilOrWithoutAMethodGivesTheEmptyValue) {
    const auto probe = objc::New<NSObject>(probes().probe);
    for (const id receiver : {id{nil}, id{probe.get()}, id{probes().probe}}) {
        const SEL missing = sel("noSuchMessage:");
        EXPECT_FALSE(objc_msgSend<bool>(receiver, missing, 1));
        EXPECT_EQ(objc_msgSend<std::int64_t>(receiver, missing, "text"), 0);
        EXPECT_EQ(objc_msgSend<double>(receiver, missing), 0.0);
        EXPECT_EQ(objc_msgSend<id>(receiver, missing, nil), nil);
        EXPECT_EQ(objc_msgSend<SEL>(receiver, missing), nullptr);
        const auto rect = objc_msgSend<CGRect>(receiver, missing);
        EXPECT_EQ(rect.size.width, 0.0);
        EXPECT_NO_THROW(objc_msgSend<void>(receiver, missing, 1, 2, 3));
    }
    EXPECT_EQ(objc_msgSend<std::int64_t>(nil, sel("count")), 0);
    EXPECT_EQ(objc_msgSend<std::int64_t>(probe.get(), nullptr), 0);
}

TEST(Messaging, RespondsToSelectorAsksTheClassOrTheMetaclass) {
    const auto text = objc::Ref<NSString>::Adopt(StringToCFString("x"));
    const auto probe = objc::New<NSObject>(probes().probe);
    const auto child = objc::New<NSObject>(probes().child);
    struct Case {
        id receiver;
        const char* selector;
        bool responds;
    };
    const std::vector<Case> cases{
        {text.get(), "localizedStandardCompare:", true},
        {text.get(), "respondsToSelector:", true},
        {text.get(), "release", true},
        {text.get(), "setAllowsAutomaticWindowTabbing:", false},
        {NSString::ClassObject(), "localizedStandardCompare:", false},
        {NSString::ClassObject(), "respondsToSelector:", true},
        {probes().probe, "setAllowsAutomaticWindowTabbing:", true},
        {probes().probe, "count", false},
        {probe.get(), "count", true},
        {probe.get(), "setAllowsAutomaticWindowTabbing:", false},
        {probes().child, "setAllowsAutomaticWindowTabbing:", true},
        {NSClassFromString("NSWindow"), "setAllowsAutomaticWindowTabbing:", true},
        {child.get(), "echo:", true},
        {child.get(), "noSuchMessage", false},
        {nil, "respondsToSelector:", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(class_getName(object_getClass(c.receiver))) + " " + c.selector);
        EXPECT_EQ(objc_msgSend<bool>(c.receiver, sel("respondsToSelector:"), sel(c.selector)),
                  c.responds);
        EXPECT_EQ(class_respondsToSelector(object_getClass(c.receiver), sel(c.selector)),
                  c.responds);
    }
    EXPECT_FALSE(objc_msgSend<bool>(probe.get(), sel("respondsToSelector:"), SEL{nullptr}));
}

TEST(Messaging, ClassMethodsAnswerTheClassAndInstanceMethodsItsObjects) {
    const auto probe = objc::New<NSObject>(probes().probe);
    const auto child = objc::New<NSObject>(probes().child);
    lastTabbing.reset();
    objc_msgSend<void>(probe.get(), sel("setAllowsAutomaticWindowTabbing:"), NO);
    EXPECT_FALSE(lastTabbing.has_value());
    objc_msgSend<void>(probes().child, sel("setAllowsAutomaticWindowTabbing:"), NO);
    EXPECT_EQ(lastTabbing, std::optional<BOOL>(NO));
    EXPECT_EQ(objc_msgSend<std::int64_t>(probes().probe, sel("count")), 0);
    EXPECT_EQ(objc_msgSend<std::int64_t>(probe.get(), sel("count")), 42);
    EXPECT_EQ(objc_msgSend<std::int64_t>(child.get(), sel("count")), 7);
    EXPECT_TRUE(objc_msgSend<bool>(child.get(), sel("isOpaque")));
}

TEST(Messaging, ArgumentsAndResultsKeepTheirTypes) {
    const auto probe = objc::New<NSObject>(probes().probe);
    const id p = probe.get();
    EXPECT_EQ(objc_msgSend<int>(p, sel("count")), 42);
    EXPECT_EQ(objc_msgSend<double>(p, sel("doubled:"), 1.25), 2.5);
    EXPECT_EQ(objc_msgSend<double>(p, sel("doubled:"), 3), 6.0);
    CGRect rect = CGRectMake(0, 0, 64, 64);
    EXPECT_TRUE(objc_msgSend<BOOL>(p, sel("widen:"), &rect));
    EXPECT_EQ(rect.size.width, 128.0);
    EXPECT_FALSE(objc_msgSend<BOOL>(p, sel("widen:"), nil));
    const CGRect fixed = CGRectMake(0, 0, 16, 16);
    EXPECT_EQ(objc_msgSend<CGFloat>(p, sel("widthOf:"), &fixed), 16.0);
    EXPECT_EQ(objc_msgSend<CGFloat>(p, sel("widthOf:"), &rect), 128.0);
    EXPECT_EQ(objc_msgSend<id>(p, sel("echo:"), p), p);
    EXPECT_EQ(objc_msgSend<Class>(p, sel("echo:"), NSString::ClassObject()),
              NSString::ClassObject());
    EXPECT_EQ(objc_msgSend<SEL>(p, sel("echoSelector:"), sel("zoom:")), sel("zoom:"));
    EXPECT_EQ(objc_msgSend<int>(p, sel("byte:"), 255), 255);
    const auto a = objc::Ref<NSString>::Adopt(StringToCFString("a"));
    const auto b = objc::Ref<NSString>::Adopt(StringToCFString("b"));
    EXPECT_EQ(objc_msgSend<NSComparisonResult>(a.get(), sel("localizedStandardCompare:"), b.get()),
              NSOrderedAscending);
}

TEST(Messaging, AWrongTypeRaisesNamingTheMethod) {
    const auto probe = objc::New<NSObject>(probes().probe);
    const id p = probe.get();
    const auto text = objc::Ref<NSString>::Adopt(StringToCFString("a"));
    const id t = text.get();
    const SEL compare = sel("localizedStandardCompare:");
    static const Class fake = objc::DefineClass("QSFakeString", NSString::ClassObject());
    const auto fakeText = objc::New<NSObject>(fake);
    const CGRect fixed{};
    struct Case {
        std::function<void()> send;
        std::string message;
    };
    const std::vector<Case> cases{
        {[&] { objc_msgSend<std::int64_t>(t, compare, 5); },
         "-[NSString localizedStandardCompare:]: argument 1 should be an object of type NSString, "
         "not the integer 5."},
        {[&] { objc_msgSend<std::int64_t>(t, compare, p); },
         "argument 1 should be an object of type NSString, not an object of class QSProbe."},
        {[&] { objc_msgSend<std::int64_t>(t, compare); },
         "-[NSString localizedStandardCompare:] takes 1 argument, not 0."},
        {[&] { objc_msgSend<std::int64_t>(t, compare, t, t); }, "takes 1 argument, not 2."},
        {[&] { objc_msgSend<std::int64_t>(fakeText.get(), compare, t); },
         "-[QSFakeString localizedStandardCompare:] needs an object of type NSString as its "
         "receiver."},
        {[&] { objc_msgSend<bool>(p, sel("widen:"), &fixed); },
         "argument 1 should be a value of type CGRect*, not a value of type CGRect const*."},
        {[&] { objc_msgSend<int>(p, sel("byte:"), 256); },
         "should be an integer of type unsigned char, not the integer 256."},
        {[&] { objc_msgSend<void>(probes().probe, sel("setAllowsAutomaticWindowTabbing:"), 0); },
         "+[QSProbe setAllowsAutomaticWindowTabbing:]: argument 1 should be a Boolean, not the "
         "integer 0."},
        {[&] { objc_msgSend<bool>(p, sel("count")); },
         "-[QSProbe count] returned the integer 42 where a Boolean was expected."},
        {[&] { objc_msgSend<NSString*>(p, sel("echo:"), p); },
         "returned an object of class QSProbe where an object of type NSString was expected."},
        {[&] { objc_msgSend<id>(p, sel("close")); }, "returned nothing where an object"},
        {[&] { objc_msgSend<double>(p, sel("doubled:"), "2"); },
         "should be a number, not a value of type char const*."},
        {[&] { objc_msgSend<void>(p, sel("echo:"), std::numeric_limits<std::uint64_t>::max()); },
         "An integer beyond the 64-bit signed range cannot be sent."},
    };
    for (const Case& c : cases) {
        const std::string message = failureOf(c.send);
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

TEST(Lifetime, ReferencesRetainAndRelease) {
    bool deleted = false;
    {
        const auto object = objc::Ref<Tracked>::Adopt(newTracked(deleted));
        { const auto copy = object; }
        auto moved = object;
        const auto last = std::move(moved);
        EXPECT_FALSE(deleted);
    }
    EXPECT_TRUE(deleted);

    bool released = false;
    const id object = newTracked(released);
    EXPECT_EQ(objc_msgSend<id>(object, sel("retain")), object);
    objc_msgSend<void>(object, sel("release"));
    {
        const auto held = objc::Ref<objc_object>::Retain(object);
        objc_msgSend<void>(object, sel("release"));
        EXPECT_FALSE(released);
        EXPECT_EQ(held->isa, NSObject::ClassObject());
    }
    EXPECT_TRUE(released);
}

TEST(Lifetime, ClassObjectsIgnoreReleaseAndAutorelease) {
    const Class cls = NSClassFromString("NSString");
    objc_msgSend<void>(cls, sel("release"));
    objc_release(cls);
    EXPECT_EQ(objc_autorelease(cls), cls);
    EXPECT_STREQ(class_getName(NSClassFromString("NSString")), "NSString");
    EXPECT_TRUE(objc_msgSend<bool>(cls, sel("respondsToSelector:"), sel("release")));
}

TEST(Lifetime, NativeStringsHoldTheirTextUntilUnlocked) {
    for (const String& text :
         {String(), String("Glyphs 3.2"), String("漢字かな"), String("\xff\xfe")}) {
        const CFStringRef native = StringToCFString(text);
        EXPECT_EQ(native->Text(), text);
        EXPECT_EQ(object_getClass(native), NSString::ClassObject());
        UnlockCFString(native);
    }
    UnlockCFString(nil);
}

TEST(Lifetime, APoolScopeReleasesWhatWasAutoreleasedInIt) {
    bool outer = false;
    bool inner = false;
    {
        objc::AutoreleasePool scope;
        EXPECT_NE(objc_msgSend<id>(newTracked(outer), sel("autorelease")), nil);
        {
            objc::AutoreleasePool nested;
            objc_autorelease(newTracked(inner));
        }
        EXPECT_TRUE(inner);
        EXPECT_FALSE(outer);
    }
    EXPECT_TRUE(outer);
}

// What the outermost pool still holds is released as the process ends, after
// the thread's own objects have gone; a string among it must find its way
// back to the allocator all the same.
TEST(LifetimeDeathTest, StringsLeftInTheOutermostPoolAreReleasedAsTheProcessEnds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            objc_release(NSString::Holding("released at once"));
            objc_autorelease(NSString::Holding("released at the end"));
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}

TEST(Lifetime, AnEventLoopReleasesWhatItsHandlersAutoreleasedOnly) {
    bool beforeLoop = false;
    bool inLoop = false;
    QEventLoop loop;
    {
        objc::AutoreleasePool scope;
        objc_autorelease(newTracked(beforeLoop));
        QTimer::singleShot(0, &loop, [&] { objc_autorelease(newTracked(inLoop, quitting(loop))); });
        QTimer::singleShot(30s, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(inLoop);
        EXPECT_FALSE(beforeLoop);
    }
    EXPECT_TRUE(beforeLoop);
}

TEST(Lifetime, ANestedLoopKeepsTheObjectsOfTheHandlerThatRunsIt) {
    bool outerDeleted = false;
    bool innerDeleted = false;
    bool outerAliveAfterInnerLoop = false;
    QEventLoop outer;
    objc::AutoreleasePool scope;
    QTimer::singleShot(0, &outer, [&] {
        objc_autorelease(newTracked(outerDeleted, quitting(outer)));
        QEventLoop inner;
        QTimer::singleShot(0, &inner,
                           [&] { objc_autorelease(newTracked(innerDeleted, quitting(inner))); });
        QTimer::singleShot(30s, &inner, &QEventLoop::quit);
        inner.exec();
        outerAliveAfterInnerLoop = innerDeleted && !outerDeleted;
    });
    QTimer::singleShot(30s, &outer, &QEventLoop::quit);
    outer.exec();
    EXPECT_TRUE(outerAliveAfterInnerLoop);
    EXPECT_TRUE(outerDeleted);
}

TEST(FinderOrder, ComparesAsTheFinderSortsNames) {
    struct Case {
        String a;
        String b;
        std::int64_t order;
    };
    const std::vector<Case> cases{
        {"uni2", "uni10", -1},
        {"a2", "a10", -1},
        {"uni10", "uni9", 1},
        {"cid00123", "cid123", -1}, // equal numbers: the leading zero only breaks the tie
        {"A", "b", -1},
        {"Uni10", "uni2", 1}, // case does not decide while the numbers differ
        {"a", "A", -1},       // case decides only between otherwise equal texts
        {"uni2", "Uni2", -1},
        {"Ａ1", "A2", -1}, // width does not decide either
        {"A", "Ａ", -1},
        {"uni２", "uni１０", -1},
        {"uni4E00", "uni4E00", 0},
        {"", "", 0},
        {"", "a", -1},
        {"", " ", -1},
        {"\xc3\xa9", "e\xcc\x81", 1}, // canonically equivalent, yet not the same text
        {"あ", "い", -1},
        {"ア", "い", -1},
        {"あ", "ア", -1},
        {"ファイル2", "ファイル10", -1},
        {"か", "漢", -1},
        {"漢字", "漢字", 0},
        {"\xff", "\xfe", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a + " vs " + c.b);
        EXPECT_EQ(finderCompare(c.a, c.b), c.order);
        EXPECT_EQ(finderCompare(c.b, c.a), -c.order);
    }
    // While a list sorts, the texts' sort keys decide, twice for each text:
    // once computed, once kept. They must give the very same answers.
    const Collator::SortKeys keys;
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.a + " vs " + c.b + " by sort keys");
            EXPECT_EQ(finderCompare(c.a, c.b), c.order);
            EXPECT_EQ(finderCompare(c.b, c.a), -c.order);
        }
    }
}

TEST(FinderOrder, SortsAListInFinderOrder) {
    std::vector<String> names{"uni10", "Uni2", "uni1", "uni2", "a10", "a2", "A1", "uni10", ""};
    std::sort(names.begin(), names.end(),
              [](const String& a, const String& b) { return finderCompare(a, b) < 0; });
    const std::vector<String> expected{"",     "A1",   "a2",    "a10",  "uni1",
                                       "uni2", "Uni2", "uni10", "uni10"};
    EXPECT_EQ(names, expected);
}

TEST(FinderOrder, ComparingWithNilRaises) {
    const auto text = objc::Ref<NSString>::Adopt(StringToCFString("a"));
    EXPECT_THROW(objc_msgSend<std::int64_t>(text.get(), sel("localizedStandardCompare:"), nil),
                 NilObjectException);
}

TEST(FinderOrder, FollowsTheLocaleOfTheEnvironment) {
    struct Case {
        const char* lcAll;
        const char* lcCollate;
        const char* lang;
        const char* locale;
    };
    const std::vector<Case> cases{
        {"", "", "en_US.UTF-8", "en_US"},
        {"ja_JP.UTF-8", "de_DE", "en_US", "ja_JP"},
        {"", "de_DE@euro", "en_US", "de_DE"},
        {"", "", "ja", "ja"},
        {"C", "ja_JP", "ja_JP", ""},
        {"POSIX", "", "", ""},
        {"C.UTF-8", "", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Collator::LocaleName(c.lcAll, c.lcCollate, c.lang), c.locale)
            << c.lcAll << "|" << c.lcCollate << "|" << c.lang;

    const FinderCollator japanese("ja_JP");
    EXPECT_EQ(japanese.Compare("ア2", "ア10"), -1);
    EXPECT_EQ(japanese.Compare("か", "漢"), -1);
    EXPECT_EQ(japanese.Compare("あ", "ア"), -1);
    EXPECT_EQ(japanese.Compare("漢字", "漢字"), 0);
}
