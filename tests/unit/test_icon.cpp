#include "IconFiles.h"
#include "TempBundle.h"
#include "support/Icon.h"

#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/Picture.h"
#include "platform/CFString.h"
#include "platform/CoreGraphics.h"
#include "platform/Foundation.h"
#include "platform/NSImage.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The icon of a real application: 128 pixels blue, 256 pixels green.
std::string icns() {
    return block("icns", block("ic07", png(128, Qt::blue)) + block("ic08", png(256, Qt::green)));
}

std::string plistNamingIcon(const std::string& iconEntry) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
           "  <key>CFBundleShortVersionString</key> <string>3.2</string>\n" +
           iconEntry + "\n</dict>\n</plist>\n";
}

// A bundle whose Info.plist names Contents/Resources/GlyphsApp.icns without its extension.
std::unique_ptr<TempBundle> bundleWithIcon(const std::string& iconBytes = icns()) {
    auto bundle = std::make_unique<TempBundle>();
    bundle->writeInfoPlist("3.2", "3200");
    bundle->write("Contents/Resources/GlyphsApp.icns", iconBytes);
    return bundle;
}

QColor centre(const Picture& bitmap) {
    const QImage& image = bitmap.NativeImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

bool showsSomething(const Picture& bitmap) {
    const QImage image = bitmap.NativeImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

id sharedWorkspace() {
    return objc_msgSend<id>(NSClassFromString("NSWorkspace"), sel_registerName("sharedWorkspace"));
}

NSImage* iconForFile(const std::string& path) {
    const CFStringRef native = StringToCFString(path);
    const auto image =
        objc_msgSend<NSImage*>(sharedWorkspace(), sel_registerName("iconForFile:"), native);
    UnlockCFString(native);
    return image;
}

// The pixel size of the image chosen for a rectangle of side by side, or for no rectangle.
int chosenSide(NSImage* image, std::optional<double> side) {
    CGRect rect = CGRectMake(0, 0, side.value_or(0), side.value_or(0));
    const auto chosen =
        objc_msgSend<CGImageRef>(image, sel_registerName("CGImageForProposedRect:context:hints:"),
                                 side ? &rect : nullptr, nil, nil);
    return chosen ? chosen->bitmap->NativeImage().width() : 0;
}

} // namespace

TEST(IconGet, NoneWithoutAFileOrForADeletedOne) {
    EXPECT_EQ(Icon::Get(nullptr, 64), nullptr);
    QTemporaryDir dir;
    const auto file = std::make_shared<FolderItem>(dir.filePath("gone.txt").toStdString());
    QFile(dir.filePath("gone.txt")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(file->Exists());
    file->Delete();
    EXPECT_EQ(Icon::Get(file, 64), nullptr);
}

TEST(IconGet, HoldsABitmapAtTheSizeAndOneAtTwiceItInThatOrder) {
    const TempBundle bundle;
    for (const std::int64_t size : {64, 1, 3}) {
        const std::shared_ptr<Picture> icon = Icon::Get(bundle.item(), size);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->Width(), size);
        EXPECT_EQ(icon->Height(), size);
        ASSERT_EQ(icon->ImageCount(), 2);
        for (const std::int64_t index : {0, 1}) {
            const QImage& bitmap = icon->IndexedImage(index)->NativeImage();
            EXPECT_EQ(bitmap.width(), size * (index + 1)) << size;
            EXPECT_EQ(bitmap.height(), size * (index + 1)) << size;
            EXPECT_TRUE(bitmap.hasAlphaChannel());
        }
    }
}

TEST(IconGet, ASizeBeyondTheLimitFailsWhenTheTwiceSizeBitmapIsMade) {
    const TempBundle bundle;
    for (const std::int64_t size : {std::int64_t{16384}, std::int64_t{0}, std::int64_t{-3}}) {
        try {
            Icon::Get(bundle.item(), size);
            ADD_FAILURE() << size << " was taken";
        } catch (const OutOfBoundsException& error) {
            EXPECT_EQ(error.Message, "Width/Height needs to be in the range 1-32767");
        }
    }
}

TEST(IconGet, ABundleShowsTheIconFileItsInfoPlistNames) {
    const std::string entries[] = {
        "<key>CFBundleIconFile</key><string>GlyphsApp</string>",
        "<key>CFBundleIconFile</key>\n\t<string>GlyphsApp.icns</string>",
        "<key> CFBundleIconFile </key>\r\n  <string> GlyphsApp </string>",
    };
    for (const std::string& entry : entries) {
        const auto bundle = bundleWithIcon();
        bundle->write("Contents/Info.plist", plistNamingIcon(entry));
        const std::shared_ptr<Picture> icon = Icon::Get(bundle->item(), 128);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(centre(*icon->IndexedImage(0)), QColor(Qt::blue)) << entry;
        EXPECT_EQ(centre(*icon->IndexedImage(1)), QColor(Qt::green)) << entry;
    }
}

TEST(IconGet, TheDrawingFillsTheWholeBitmapWithTheIconUpright) {
    QImage marked(128, 128, QImage::Format_ARGB32);
    marked.fill(Qt::blue);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 128; ++x)
            marked.setPixelColor(x, y, Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    marked.save(&buffer, "PNG");
    const auto bundle = bundleWithIcon(block("icns", block("ic07", bytes.toStdString())));

    const std::shared_ptr<Picture> icon = Icon::Get(bundle->item(), 64);
    const QImage& drawn = icon->IndexedImage(0)->NativeImage();
    EXPECT_EQ(drawn.pixelColor(0, 0), QColor(Qt::red)) << "the top edge stays at the top";
    EXPECT_EQ(drawn.pixelColor(63, 63), QColor(Qt::blue));
}

// What a damaged or odd bundle shows is a generic icon; the drop must go on.
TEST(IconGet, ABundleWithoutAUsableIconGetsAGenericOne) {
    const std::vector<std::pair<const char*, std::function<void(const TempBundle&)>>> damage = {
        {"no Info.plist",
         [](const TempBundle&) {
         }},
        {"no icon named",
         [](const TempBundle& b) {
             b.write("Contents/Info.plist", plistNamingIcon(""));
         }},
        {"icon file missing",
         [](const TempBundle& b) {
             b.writeInfoPlist("1", "2");
         }},
        {"binary Info.plist",
         [](const TempBundle& b) {
             b.write("Contents/Info.plist", std::string("bplist00\0\x01\xff<key>", 17));
         }},
        {"Info.plist is a folder",
         [](const TempBundle& b) {
             b.write("Contents/Info.plist/x", "x");
         }},
        {"icon file is a folder",
         [](const TempBundle& b) {
             b.writeInfoPlist("1", "2");
             b.write("Contents/Resources/GlyphsApp.icns/x", "x");
         }},
        {"empty icon file",
         [](const TempBundle& b) {
             b.writeInfoPlist("1", "2");
             b.write("Contents/Resources/GlyphsApp.icns", "");
         }},
        {"truncated icon file",
         [](const TempBundle& b) {
             b.writeInfoPlist("1", "2");
             b.write("Contents/Resources/GlyphsApp.icns", icns().substr(0, 300));
         }},
        {"garbage icon file",
         [](const TempBundle& b) {
             b.writeInfoPlist("1", "2");
             b.write("Contents/Resources/GlyphsApp.icns",
                     block("icns", block("ic07", std::string(5000, '\x7f'))));
         }},
        {"block longer than the file",
         [](const TempBundle& b) {
             b.writeInfoPlist("1", "2");
             b.write("Contents/Resources/GlyphsApp.icns",
                     "icns\x7f\xff\xff\xff" + block("ic08", png(16, Qt::red)).substr(0, 20));
         }},
        {"huge icon file",
         [](const TempBundle& b) {
             b.writeInfoPlist("1", "2");
             b.write("Contents/Resources/GlyphsApp.icns", icns());
             QFile(QString::fromStdString(b.path() + "/Contents/Resources/GlyphsApp.icns"))
                 .resize(qint64{65} * 1024 * 1024);
         }},
    };
    for (const auto& [what, harm] : damage) {
        const TempBundle bundle;
        harm(bundle);
        const std::shared_ptr<Picture> icon = Icon::Get(bundle.item(), 64);
        ASSERT_NE(icon, nullptr) << what;
        EXPECT_TRUE(showsSomething(*icon->IndexedImage(0))) << what;
        EXPECT_TRUE(showsSomething(*icon->IndexedImage(1))) << what;
    }
}

TEST(IconGet, AnyOtherFileOrFolderShowsTheIconOfItsKind) {
    QTemporaryDir dir;
    QFile(dir.filePath("notes.txt")).open(QIODevice::WriteOnly);
    for (const QString& path : {dir.filePath("notes.txt"), dir.path()}) {
        const auto icon = Icon::Get(std::make_shared<FolderItem>(path.toStdString()), 32);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(showsSomething(*icon->IndexedImage(1))) << path.toStdString();
    }
}

TEST(Workspace, IsSharedAndGivesNoIconForNoPath) {
    EXPECT_NE(sharedWorkspace(), nil);
    EXPECT_EQ(sharedWorkspace(), sharedWorkspace());
    EXPECT_EQ(objc_msgSend<id>(sharedWorkspace(), sel_registerName("iconForFile:"), nil), nil);
}

TEST(Workspace, KeepsEveryImageOfTheIconAndOffersTheOneThatFillsTheRectangle) {
    const auto bundle = bundleWithIcon(block("icns", block("ic07", png(128, Qt::blue)) +
                                                         block("ic08", png(256, Qt::green)) +
                                                         block("icp6", png(64, Qt::red))));
    NSImage* const image = iconForFile(bundle->path());
    ASSERT_NE(image, nullptr);
    const std::pair<std::optional<double>, int> cases[] = {
        {1, 64},    {64, 64},   {64.5, 128}, {128, 128},
        {200, 256}, {256, 256}, {1024, 256}, {std::nullopt, 128}};
    for (const auto& [side, expected] : cases)
        EXPECT_EQ(chosenSide(image, side), expected) << side.value_or(-1);
}

TEST(CoreGraphics, DrawsWithTheYAxisUpwardsAndNothingForNone) {
    Picture picture(4, 4);
    QImage red(2, 2, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const CGImage image{std::make_shared<Picture>(red)};
    {
        const auto g = picture.Graphics();
        const auto context = static_cast<CGContextRef>(g->Handle(Graphics::HandleTypeCGContextRef));
        CGContextDrawImage(context, CGRectMake(0, 0, 4, 1), &image);
        CGContextDrawImage(context, CGRectMake(0, 0, 4, 4), nullptr);
        CGContextDrawImage(nullptr, CGRectMake(0, 0, 4, 4), &image);
    }
    EXPECT_EQ(picture.NativeImage().pixelColor(0, 3), QColor(Qt::red)) << "y 0 is the bottom row";
    EXPECT_EQ(picture.NativeImage().pixelColor(0, 2).alpha(), 0);
}
