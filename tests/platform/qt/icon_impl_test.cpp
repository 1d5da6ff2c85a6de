// nx::QtIconImpl: resources, icon files, associated icons, faded copies and the placeholder.
#include <gtest/gtest.h>

#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QResource>

#include "platform/qt/qt_builtin_icons.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_drawing_tools.h"
#include "platform/qt/qt_icon_impl.h"
#include "platform/qt/qt_test_app.h"
#include "views/icon.h"

namespace nx {
namespace {

const QString kData = QStringLiteral(RAMULO_TEST_DATA "/icons/");
const QRgb kIconRed = qRgb(200, 0, 0);    // the 16-pixel image of sizes.ico
const QRgb kIconBlue = qRgb(0, 0, 200);   // its 32-pixel image
const QRgb kGreen = qRgb(0, 160, 0);  // its 48-pixel image

std::u16string u16(const QString& s) {
    return s.toStdU16String();
}

QRgb centre(const QImage& image) {
    return image.pixel(image.width() / 2, image.height() / 2);
}

// The built-in set answers only where the desktop offers no icon of its own.
bool desktopHasNoIcons() {
    QAbstractFileIconProvider provider;
    return provider.icon(QAbstractFileIconProvider::Drive).isNull();
}

class QtIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::testApplication();
        surface_.fill(Qt::white);
        tools_.init(&context_, {0, 0});
        tools_.setBackgroundColor({255, 255, 255});
    }
    void TearDown() override { IconImpl::setFadedCopyCount(9); }
    // Draws the icon at (10, 10) with its own size and answers the surface.
    QImage drawn(Icon& icon, int fadingLevel = 0, int size = 32) {
        surface_.fill(Qt::white);
        tools_.fadingLevel = fadingLevel;
        tools_.fadingRatio = fadingLevel / 100.0;
        tools_.drawIcon(icon, {10, 10}, {std::uint64_t(size), std::uint64_t(size)});
        tools_.endPainting();
        return surface_;
    }

    QImage surface_{80, 80, QImage::Format_RGB32};
    QtDeviceContext context_{&surface_};
    QtDrawingTools tools_;
};

TEST_F(QtIconTest, IconFileGivesTheImageNearestTheSize) {
    struct Case {
        int size;
        int width;
        QRgb colour;
    };
    const Case cases[] = {{0, 32, kIconBlue}, {32, 32, kIconBlue},  {20, 16, kIconRed},
                          {16, 16, kIconRed}, {40, 48, kGreen}, {256, 48, kGreen}};
    for (const Case& c : cases) {
        QtIconImpl impl;
        impl.loadIconFile(u16(kData + "sizes.ico"), c.size);
        ASSERT_TRUE(impl.isLoaded()) << c.size;
        EXPECT_EQ(impl.entry(0).width(), c.width) << c.size;
        EXPECT_EQ(centre(impl.entry(0)), c.colour) << c.size;
        EXPECT_EQ(qAlpha(impl.entry(0).pixel(0, 0)), 0) << "transparent rim kept";
        EXPECT_EQ(impl.largeImage().width(), 48) << "nearest 256";
    }
}

TEST_F(QtIconTest, IcoInAnyLetterCaseIsReadAsAnIconFile) {
    QDir().mkpath(RAMULO_TEST_OUTPUT);
    const QString copy = QStringLiteral(RAMULO_TEST_OUTPUT "/Mixed.iCo");
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(kData + "sizes.ico", copy));
    Icon icon;
    icon.setFileWithSize(u16(copy), 0);
    const QImage image = drawn(icon);
    ASSERT_NE(icon.impl(), nullptr);
    EXPECT_EQ(image.pixel(26, 26), kIconBlue);
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255)) << "transparent rim";
}

TEST_F(QtIconTest, EnlargedDrawingsUseTheLargestImage) {
    Icon icon;
    icon.setFileWithSize(u16(kData + "sizes.ico"), 32);
    EXPECT_EQ(drawn(icon, 0, 32).pixel(26, 26), kIconBlue);
    EXPECT_EQ(drawn(icon, 0, 60).pixel(40, 40), kGreen);
    EXPECT_EQ(drawn(icon, 0, 20).pixel(20, 20), kIconBlue);
}

TEST_F(QtIconTest, SameFileSameImageDuringTheRun) {
    QtIconImpl a, b;
    a.loadIconFile(u16(kData + "sizes.ico"), 32);
    b.loadIconFile(u16(kData + "sizes.ico"), 32);
    EXPECT_EQ(a.entry(0).cacheKey(), b.entry(0).cacheKey());
    QtIconImpl c, d;
    c.loadAssociated(u"C:", 0);
    d.loadAssociated(u"C:", 0);
    EXPECT_EQ(c.entry(0).cacheKey(), d.entry(0).cacheKey());
}

TEST(QtFileIconKind, DrivesFoldersProgramsAndFiles) {
    struct Case {
        const char* path;
        FileIconKind kind;
    };
    const Case cases[] = {
        {"C:", FileIconKind::Drive},          {"d:\\", FileIconKind::Drive},
        {"E:/", FileIconKind::Drive},         {"/", FileIconKind::Drive},
        {".", FileIconKind::Folder},          {RAMULO_TEST_DATA, FileIconKind::Folder},
        {"setup.EXE", FileIconKind::Program}, {"run.bat", FileIconKind::Program},
        {"/bin/sh", FileIconKind::Program},   {"README", FileIconKind::File},
        {"notes.txt", FileIconKind::File},    {"C:foo", FileIconKind::File},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileIconKind(QString::fromUtf8(c.path)), c.kind) << c.path;
}

TEST_F(QtIconTest, AssociatedIconsFallBackToTheBuiltInSet) {
    if (!desktopHasNoIcons()) GTEST_SKIP() << "the desktop provides its own icons";
    struct Case {
        const char16_t* file;
        FileIconKind kind;
    };
    const Case cases[] = {{u"C:", FileIconKind::Drive},
                          {u"no_such_name_without_extension", FileIconKind::File},
                          {u".", FileIconKind::Folder},
                          {u"tool.exe", FileIconKind::Program}};
    for (const Case& c : cases) {
        Icon icon;
        icon.setFileWithSize(c.file, 32);
        icon.setImpl(std::make_unique<QtIconImpl>(&icon));
        icon.load();
        ASSERT_TRUE(icon.impl()->isLoaded());
        const QImage image = static_cast<QtIconImpl*>(icon.impl())->entry(0);
        EXPECT_EQ(image, builtinFileIcon(c.kind, 32))
            << QString::fromStdU16String(c.file).toStdString();
    }
    // The four drawings differ from one another.
    EXPECT_NE(builtinFileIcon(FileIconKind::Drive, 32), builtinFileIcon(FileIconKind::Folder, 32));
    EXPECT_NE(builtinFileIcon(FileIconKind::File, 32), builtinFileIcon(FileIconKind::Program, 32));
    // A larger icon is drawn at its size rather than stretched.
    Icon owner;
    owner.setFileWithSize(u"C:", 48);
    QtIconImpl sized(&owner);
    sized.loadAssociated(u"C:", 0);
    EXPECT_EQ(sized.entry(0).width(), 48);
}

TEST_F(QtIconTest, HostResourcesByIdAndName) {
    ASSERT_TRUE(QResource::registerResource(kData + "icons.rcc"));
    struct Case {
        void (*set)(Icon&);
        int width;
        QRgb colour;
    };
    const Case cases[] = {
        {[](Icon& i) { i.setResource(101); }, 32, qRgb(240, 120, 0)},
        {[](Icon& i) { i.setResource(101, 48); }, 48, qRgb(120, 0, 160)},
        {[](Icon& i) { i.setResource(u"star", 24); }, 24, qRgb(0x10, 0xa0, 0xa0)},
    };
    for (const Case& c : cases) {
        Icon icon;
        c.set(icon);
        icon.setImpl(std::make_unique<QtIconImpl>(&icon));
        icon.load();
        const QImage image = static_cast<QtIconImpl*>(icon.impl())->entry(0);
        EXPECT_EQ(image.width(), c.width);
        EXPECT_EQ(image.pixel(2, 2), c.colour);
    }
    Icon missing;
    missing.setResource(999);
    missing.setImpl(std::make_unique<QtIconImpl>(&missing));
    missing.load();
    EXPECT_FALSE(missing.impl()->isLoaded());
    QResource::unregisterResource(kData + "icons.rcc");
}

TEST_F(QtIconTest, FadedCopySixOfNineAtLevelFifty) {
    Icon icon;
    icon.setFileWithSize(u16(kData + "sizes.ico"), 32);
    // Blue (0, 0, 200) moves 6/11 of the way to white, truncated.
    EXPECT_EQ(drawn(icon, 50).pixel(26, 26), qRgb(139, 139, 230));
    auto* impl = static_cast<QtIconImpl*>(icon.impl());
    EXPECT_EQ(impl->entry(6).pixel(16, 16), qRgb(139, 139, 230));
    EXPECT_EQ(qAlpha(impl->entry(6).pixel(0, 0)), 0) << "alpha unchanged";
    EXPECT_EQ(impl->entry(9).pixel(16, 16),
              qRgb(0 + 255 * 9 / 11, 255 * 9 / 11, 200 + 55 * 9 / 11));
    // A new background colour gives new copies.
    tools_.setBackgroundColor({0, 0, 0});
    EXPECT_EQ(drawn(icon, 50).pixel(26, 26), qRgb(0, 0, 91));
    tools_.setBackgroundColor({255, 255, 255});
    // Levels of 90 and above draw nothing at all, not even the placeholder.
    for (int level : {90, 100})
        EXPECT_EQ(test::countPixels(drawn(icon, level), Qt::white), 80 * 80) << level;
}

TEST_F(QtIconTest, NoFadedCopiesDrawTheIconUnfadedAtEveryLevel) {
    IconImpl::setFadedCopyCount(0);
    Icon icon;
    icon.setFileWithSize(u16(kData + "sizes.ico"), 32);
    for (int level : {0, 10, 50, 90, 100})
        EXPECT_EQ(drawn(icon, level).pixel(26, 26), kIconBlue) << level;
    EXPECT_TRUE(static_cast<QtIconImpl*>(icon.impl())->entry(1).isNull());
}

TEST_F(QtIconTest, CorruptOrMissingFilesDrawThePlaceholder) {
    for (const QString& file : {kData + "corrupt.ico", kData + "no_such_file.ico"}) {
        Icon icon;
        icon.setFileWithSize(u16(file), 32);
        const QImage image = drawn(icon);
        ASSERT_NE(icon.impl(), nullptr);
        EXPECT_FALSE(icon.impl()->isLoaded());
        // The grey frame of the placeholder, 32 x 32 at (10, 10).
        const QRgb grey = qRgb(80, 80, 80);
        EXPECT_EQ(image.pixel(10, 10), grey) << file.toStdString();
        EXPECT_EQ(image.pixel(41, 41), grey) << file.toStdString();
        EXPECT_EQ(image.pixel(42, 42), qRgb(255, 255, 255)) << file.toStdString();
    }
}

}  // namespace
}  // namespace nx
