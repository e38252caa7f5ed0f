// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop platform on Qt's offscreen platform: the real window with the
// core's test screen, real input events, pictures, scaling and text entry.
#include <gtest/gtest.h>

#include <QPainter>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QStyle>
#include <QCheckBox>
#include <QCloseEvent>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPointer>
#include <QQuickWidget>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <thread>
#include <typeinfo>

#include "app/page_titles.h"
#include "app/registry.h"
#include "platform/desktop_host.h"
#include "platform/process.h"
#include "platform/qml_movie_player.h"
#include "platform/quiet_font_cache.h"
#include "platform/fonts.h"
#include "platform/svg_asset_store.h"
#include "platform/text_filter.h"
#include "runtime/layout.h"
#include "tests/unit/test_screens.h"

namespace nizam::platform {
namespace {

QString assetsFolder() { return QStringLiteral(NIZAM_ASSETS_DIR); }

// A window for tests: it neither ends the application nor starts programs
// (it records them) and keeps its size whatever the screen.
DesktopHost::Options testOptions() {
    DesktopHost::Options o;
    o.quitOnEnd = false;
    o.recordPrograms = true;
    o.fitToScreen = false;
    return o;
}

TEST(TextFilter, ReportsWhatThePupilSees) {
    struct Case {
        const char16_t* typed;
        const char16_t* reported;
        const char* why;
    };
    const Case cases[] = {
        {u"جهاز انذار", u"جهاز انذار", "unchanged"},
        {u"\uFEFB", u"\u0644\u0627", "lam-alef key: lam, alef"},
        {u"\uFEF7\u0645", u"\u0644\u0623\u0645", "lam with alef-hamza ligature"},
        {u"\u0627\u0654", u"\u0623", "alef + combining hamza above: alef with hamza"},
        {u"\uFE8D\uFE91", u"\u0627\u0628", "isolated alef, initial beh"},
        {u"=(B2*100)/(B2+B3)", u"=(B2*100)/(B2+B3)", "a formula"},
        {u" 45.5 ", u" 45.5 ", "no trimming, no conversion"},
        // Marks and controls that draw nothing, as pasting or an input method leaves them.
        {u"\u200Fجهاز انذار\u200E", u"جهاز انذار", "right-to-left and left-to-right marks"},
        {u"\u061C91.18", u"91.18", "Arabic letter mark"},
        {u"\u202Bجهاز\u202C انذار", u"جهاز انذار", "embedding and its end"},
        {u"\u202E45.5\u202C", u"45.5", "override"},
        {u"\u2067جهاز انذار\u2069", u"جهاز انذار", "right-to-left isolate"},
        {u"\u2066=(B2*100)/(B2+B3)\u2069\u2068\u2069", u"=(B2*100)/(B2+B3)", "left-to-right and first-strong isolates"},
        {u"جهاز\u200B انذار", u"جهاز انذار", "zero-width space"},
        {u"x\uFEFF=1\u2060", u"x=1", "byte-order mark, word joiner"},
        {u"جهاز\tانذار", u"جهازانذار", "a tab is dropped; the words then touch, as the box shows"},
        {u"جهاز انذار\n", u"جهاز انذار", "a pasted line break"},
        {u"45.5\r\n", u"45.5", "a pasted Windows line break"},
        {u"a\u2028b\u2029c\u0085d", u"abcd", "line and paragraph separators, next line"},
        {u"بيا\u00ADني", u"بياني", "soft hyphen"},
        // Joiners: dropped where the letters keep their shapes, kept where they change them.
        {u"\u200Cجهاز انذار\u200D", u"جهاز انذار", "joiners at the ends, beside nothing that joins"},
        {u"جهاز\u200C انذار", u"جهاز انذار", "non-joiner before a space"},
        {u"جها\u200Cز", u"جهاز", "non-joiner after alef, which never joins on"},
        {u"ج\u200Dهاز", u"جهاز", "joiner between letters that join anyway"},
        {u"45\u200D.5", u"45.5", "joiner between digits"},
        {u"جه\u200Cاز", u"جه\u200Cاز", "non-joiner that breaks heh from alef: visible, kept"},
        {u"انذار\u200D", u"انذار", "joiner after reh, which never joins on: nothing changes"},
        {u"جهاز ب\u200D", u"جهاز ب\u200D", "joiner after a final beh gives it a joining form: visible, kept"},
        {u"\u200Dب", u"\u200Dب", "joiner before a beh gives it a final form: visible, kept"},
        {u"\u0628\u064E\u200C\u062A", u"\u0628\u064E\u200C\u062A", "a vowel mark between is looked through"},
        {u"\u0627\u064E\u200C\u062A", u"\u0627\u064E\u062A", "alef, vowel mark, non-joiner: nothing to break"},
        {u"\u00A0", u"\u00A0", "a no-break space is a visible space: judged as typed"},
        {u"\u0640", u"\u0640", "tatweel is drawn: kept"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(normalizeTyped(QString::fromUtf16(c.typed)), QString::fromUtf16(c.reported)) << c.why;
    }
    // A byte-order mark at the very start is dropped as well (fromUtf16 alone would hide it).
    EXPECT_EQ(normalizeTyped(QString(QChar(0xFEFF)) + QStringLiteral("45")), QStringLiteral("45"));
    EXPECT_EQ(normalizeTyped(std::string("\xE2\x80\x8F" "20")), "20") << "the UTF-8 form";
}

TEST(SvgAssetStore, EveryPictureOfABuiltScreenHasASourceOfItsSize) {
    SvgAssetStore store(assetsFolder());
    for (const auto& e : screenRegistry()) {
        const ScreenDef& d = e.module->def;
        if (d.hasIcon) {
            EXPECT_TRUE(store.has(d.iconKey())) << d.iconKey();
            EXPECT_FALSE(store.iconImages(d.iconKey()).empty()) << d.iconKey();
        }
        for (const ControlDef& c : d.controls) {
            for (auto [property, declared] : {std::pair{"Picture", c.picture}, std::pair{"MouseIcon", c.mouseIcon}}) {
                if (!declared) continue;
                const std::string key = assetKey(d, c, property);
                auto size = store.pictureSize(key);
                ASSERT_TRUE(size.has_value()) << key << " has no readable source";
                EXPECT_EQ(*size, *declared) << key << " differs from its inventory size";
            }
        }
    }
}

TEST(SvgAssetStore, AMissingSourceIsReportedOnceAndDrawsNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("manifest");
    QFile manifest(dir.filePath("manifest/t.tsv"));
    ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
    manifest.write("# test\nGood_Key\tgood.svg\nGone_Key\tgone.svg\nBad_Key\tbad.svg\n");
    manifest.close();
    QFile good(dir.filePath("good.svg"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="3" viewBox="0 0 4 3"><rect width="4" height="3" fill="#f00"/></svg>)");
    good.close();
    QFile bad(dir.filePath("bad.svg"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not an svg");
    bad.close();

    SvgAssetStore store(dir.path());
    EXPECT_EQ(store.pictureSize("Good_Key"), (PixelSize{4, 3}));
    const QImage img = store.image("Good_Key", QSize(8, 6));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(8, 6));
    EXPECT_EQ(QColor(img.pixel(4, 3)), QColor(Qt::red));

    testing::internal::CaptureStderr();
    EXPECT_TRUE(store.image("Gone_Key", QSize(4, 3)).isNull());
    EXPECT_TRUE(store.image("Gone_Key", QSize(8, 6)).isNull());
    EXPECT_TRUE(store.image("Bad_Key", QSize(4, 3)).isNull());
    EXPECT_TRUE(store.image("Unlisted_Key", QSize(4, 3)).isNull());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Gone_Key"), std::string::npos) << err;
    EXPECT_NE(err.find("gone.svg"), std::string::npos) << err;
    EXPECT_NE(err.find("bad.svg"), std::string::npos) << err;
    EXPECT_NE(err.find("Unlisted_Key"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3) << "one line per key and file:\n" << err;
    EXPECT_FALSE(store.pictureSize("Gone_Key").has_value());
}

// Writes a file under a folder, making its folders.
void writeFile(const QString& folder, const QString& name, const QByteArray& content) {
    QDir(folder).mkpath(QFileInfo(name).path());
    QFile f(folder + '/' + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

constexpr const char* kSmallSvg =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="3" viewBox="0 0 4 3"><rect width="4" height="3" fill="#f00"/></svg>)";

// Each way a picture file can be damaged: the store refuses it, draws
// nothing, and says so in one line naming the file, however often it is asked.
TEST(SvgAssetStore, DamagedPictureFilesAreRefusedWithOneLineEach) {
    const QByteArray good = kSmallSvg;
    struct Case {
        const char* name;
        QByteArray content;
        const char* why;
    };
    const std::vector<Case> cases = {
        {"empty", QByteArray(), "empty"},
        {"truncated", good.left(good.size() / 2), "not a readable SVG"},
        {"garbage", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR garbage", 24), "not a readable SVG"},
        {"not_svg", "<html><body>x</body></html>", "not an SVG"},
        {"entities",
         R"(<?xml version="1.0"?><!DOCTYPE svg [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">)"
         R"(<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">]><svg xmlns="http://www.w3.org/2000/svg" width="4" height="3"><text>&c;</text></svg>)",
         "entit"},
        {"outside_file",
         R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="4" height="3">)"
         R"(<image xlink:href="/etc/passwd" width="4" height="3"/></svg>)",
         "outside file /etc/passwd"},
        {"outside_url",
         R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="3"><image href="http://example.invalid/a.png"/></svg>)",
         "outside file"},
        {"absurd_size", R"(<svg xmlns="http://www.w3.org/2000/svg" width="1000000" height="3"/>)", "size above"},
        {"absurd_viewbox", R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 4 1e9"/>)", "size above"},
        {"too_large", good + QByteArray(SvgAssetStore::kMaxFileBytes, ' '), "larger than"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray manifest;
    for (const Case& c : cases) {
        writeFile(dir.path(), QString::fromLatin1(c.name) + ".svg", c.content);
        manifest += QByteArray("Key_") + c.name + '\t' + c.name + ".svg\n";
    }
    manifest += "Also_Empty\tempty.svg\n";  // a second key on a damaged file
    writeFile(dir.path(), "manifest/t.tsv", manifest);

    SvgAssetStore store(dir.path());
    ASSERT_TRUE(store.manifestErrors().isEmpty());
    for (const Case& c : cases) {
        const std::string key = std::string("Key_") + c.name;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(store.pictureSize(key).has_value()) << c.name;
        EXPECT_TRUE(store.image(key, QSize(4, 3)).isNull()) << c.name;
        EXPECT_TRUE(store.image(key, QSize(8, 6)).isNull()) << c.name;
        EXPECT_TRUE(store.iconImages(key).empty()) << c.name;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.name << ":\n" << err;
        EXPECT_NE(err.find(std::string(c.name) + ".svg"), std::string::npos) << err;
        EXPECT_NE(err.find(c.why), std::string::npos) << c.name << ": " << err;
    }
    testing::internal::CaptureStderr();
    EXPECT_TRUE(store.image("Also_Empty", QSize(4, 3)).isNull());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "a file already told of is not told again";
}

// A picture drawn ahead by the build is taken in place of a render only for
// the size it was drawn at and the source it was drawn from; a damaged copy
// is said once and the picture rendered from its source.
TEST(SvgAssetStore, ADrawnCopyStandsInForItsOwnSourceOnly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.path(), "manifest/t.tsv", "Key_Red\tred.svg\n");
    writeFile(dir.path(), "red.svg", kSmallSvg);
    const QString drawn = dir.filePath("prerendered");
    ASSERT_TRUE(QDir().mkpath(drawn));
    const QSize size(8, 6);
    const QString copy = drawn + '/' + SvgAssetStore::prerenderedName("Key_Red", size);
    QImage rendered;
    {
        SvgAssetStore store(dir.path());
        rendered = store.image("Key_Red", size);
        ASSERT_FALSE(rendered.isNull());
        ASSERT_TRUE(store.writePrerendered(drawn, "Key_Red", rendered));
    }
    {
        SvgAssetStore store(dir.path());
        EXPECT_TRUE(store.takePrerendered("Key_Red", size));
        // (A render without transparency is kept with three bytes a pixel;
        // the copy is taken as it lies, with four.)
        EXPECT_EQ(store.image("Key_Red", size).convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  rendered.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << "the very pixels of the render";
        EXPECT_EQ(store.renderCount(), 0);
        EXPECT_FALSE(store.takePrerendered("Key_Red", QSize(4, 3))) << "no copy at that size";
        EXPECT_FALSE(store.image("Key_Red", QSize(4, 3)).isNull());
        EXPECT_EQ(store.renderCount(), 1);
    }
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();

    // The source edited since: rendered anew, silently.
    writeFile(dir.path(), "red.svg", QByteArray(kSmallSvg).replace("#f00", "#00f"));
    {
        SvgAssetStore store(dir.path());
        testing::internal::CaptureStderr();
        EXPECT_FALSE(store.takePrerendered("Key_Red", size));
        const QImage img = store.image("Key_Red", size);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(store.renderCount(), 1);
        EXPECT_EQ(QColor(img.pixel(4, 3)), QColor(Qt::blue));
    }
    writeFile(dir.path(), "red.svg", kSmallSvg);

    struct Case {
        const char* damage;
        QByteArray content;
    };
    QByteArray garbled = good;
    garbled.replace(0, 5, "GIF89");
    const std::vector<Case> cases = {
        {"empty", QByteArray()},
        {"truncated", good.left(good.size() - 7)},
        {"grown", good + "more"},
        {"garbled header", garbled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        writeFile(drawn, SvgAssetStore::prerenderedName("Key_Red", size), c.content);
        SvgAssetStore store(dir.path());
        testing::internal::CaptureStderr();
        EXPECT_FALSE(store.takePrerendered("Key_Red", size));
        store.clearCache();
        const QImage img = store.image("Key_Red", size);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(img, rendered) << "rendered from its source instead";
        EXPECT_EQ(store.renderCount(), 1);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find(SvgAssetStore::prerenderedName("Key_Red", size).toStdString()), std::string::npos) << err;
    }
}

TEST(SvgAssetStore, AnAbsurdRenderSizeIsRefusedNotAllocated) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.path(), "good.svg", kSmallSvg);
    writeFile(dir.path(), "manifest/t.tsv", "Good\tgood.svg\n");
    SvgAssetStore store(dir.path());
    testing::internal::CaptureStderr();
    EXPECT_TRUE(store.image("Good", QSize(100000, 100000)).isNull());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("good.svg"), std::string::npos) << err;
    EXPECT_FALSE(store.image("Good", QSize(4, 3)).isNull()) << "the picture itself is still good";
}

// A missing folder or manifest is said once, not once for each picture.
TEST(SvgAssetStore, AMissingFolderOrManifestIsOneLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.path(), "noManifest/good.svg", kSmallSvg);
    writeFile(dir.path(), "garbled/manifest/t.tsv", QByteArray(5000, 'x').replace(100, 1, "\n").replace(900, 1, "\n"));
    struct Case {
        QString folder;
        const char* said;
    };
    for (const Case& c : {Case{dir.filePath("gone"), "pictures folder"}, Case{dir.filePath("noManifest"), "manifest"},
                          Case{dir.filePath("garbled"), "3 lines"}}) {
        testing::internal::CaptureStderr();
        {
            SvgAssetStore store(c.folder);
            for (const char* key : {"Form1_Image1_Picture", "Form2_Image1_Picture", "Form3_Image1_MouseIcon",
                                    "Form4_Image1_MouseIcon"}) {
                EXPECT_TRUE(store.image(key, QSize(4, 3)).isNull());
                EXPECT_FALSE(store.pictureSize(key).has_value());
            }
        }
        const std::string err = testing::internal::GetCapturedStderr();
        const auto lines = std::count(err.begin(), err.end(), '\n');
        EXPECT_NE(err.find(c.said), std::string::npos) << err;
        EXPECT_NE(err.find(c.folder.toStdString()), std::string::npos) << err;
        // A garbled manifest also says that it names nothing; nothing more is
        // said about each picture.
        EXPECT_EQ(lines, c.folder.endsWith("garbled") ? 2 : 1) << err;
    }
}

// Every pointer icon without a row of its own is one picture: when that file
// is missing it is told once, not once for every hot-spot.
TEST(SvgAssetStore, AMissingPointerIconIsToldOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.path(), "good.svg", kSmallSvg);
    writeFile(dir.path(), "manifest/t.tsv", "Good\tgood.svg\n");
    SvgAssetStore store(dir.path());
    testing::internal::CaptureStderr();
    for (int i = 0; i < 28; ++i) {
        const std::string key = "Form" + std::to_string(i) + "_Image1_MouseIcon";
        EXPECT_TRUE(store.image(key, QSize(32, 32)).isNull());
        EXPECT_TRUE(store.iconImages(key).empty());
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find(SvgAssetStore::kPointerIconFile), std::string::npos) << err;
}

// The fonts folder: every bundled font is in the build's folder; a missing
// folder, or a missing, emptied or garbled font, is told in one line that
// names them, and the text is still drawn with a font that has Arabic letters.
TEST(BundledFonts, MissingOrDamagedFontsAreOneLine) {
    const QString built = QFileInfo(assetsFolder()).path();
    for (const char* name : kBundledFonts)
        EXPECT_TRUE(QFileInfo::exists(built + "/fonts/" + name)) << name << " is not in the build's fonts folder";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    testing::internal::CaptureStderr();
    EXPECT_EQ(registerBundledFonts(dir.filePath("nowhere")), 0);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("nowhere/fonts"), std::string::npos) << err;

    // Every bundled font but three: one missing, one empty, one garbage.
    QDir(dir.path()).mkpath("fonts");
    for (const char* name : kBundledFonts) {
        const std::string_view n = name;
        if (n == "Amiri-Regular.ttf") continue;
        if (n == "DejaVuSans.ttf") {
            writeFile(dir.path(), QStringLiteral("fonts/") + name, QByteArray());
        } else if (n == "NotoSansArabic-Bold.ttf") {
            writeFile(dir.path(), QStringLiteral("fonts/") + name, QByteArray(2048, '\x5a'));
        } else {
            ASSERT_TRUE(QFile::copy(built + "/fonts/" + name, dir.filePath(QStringLiteral("fonts/") + name)));
        }
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(registerBundledFonts(dir.path()), static_cast<int>(std::size(kBundledFonts)) - 3);
    err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    for (const char* name : {"Amiri-Regular.ttf", "DejaVuSans.ttf", "NotoSansArabic-Bold.ttf"})
        EXPECT_NE(err.find(name), std::string::npos) << err;

    // Each design font falls back on other families that draw Arabic.
    for (const Font& design : {Font{"Times New Roman", 12, true, 178}, Font{"MS Sans Serif", 10, false, 0},
                               Font{"Verdana", 10, false, 0}}) {
        const QFont f = mappedFont(design, 1.0);
        EXPECT_GE(f.families().size(), 3) << design.name;
        EXPECT_TRUE(f.families().contains("Noto Naskh Arabic")) << design.name;
    }
}

TEST(PictureManifest, TheRealManifestsGiveEveryKeyOnceAndOnlyKeysOfBuiltScreens) {
    SvgAssetStore store(assetsFolder());
    EXPECT_TRUE(store.manifestErrors().isEmpty()) << store.manifestErrors().join('\n').toStdString();
    // Every key a built screen asks for; a key of no built screen is a leftover or a typing slip.
    std::set<std::string> asked;
    for (const auto& e : screenRegistry()) {
        const ScreenDef& d = e.module->def;
        if (d.hasIcon) asked.insert(d.iconKey());
        for (const ControlDef& c : d.controls) {
            if (c.picture) asked.insert(assetKey(d, c, "Picture"));
            if (c.mouseIcon) asked.insert(assetKey(d, c, "MouseIcon"));
        }
    }
    for (const std::string& key : store.keys()) EXPECT_TRUE(asked.count(key)) << key << " is used by no built screen";
}

TEST(PictureManifest, AKeyGivenTwiceNamesBothPlaces) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.path(), "a.svg", kSmallSvg);
    writeFile(dir.path(), "manifest/one.tsv", "# first\nSame_Key\ta.svg\nOther_Key\ta.svg\n\nOther_Key\tb.svg\n");
    writeFile(dir.path(), "manifest/two.tsv", "Lone_Key\ta.svg\nSame_Key\tb.svg\nNo_File\n");
    testing::internal::CaptureStderr();
    SvgAssetStore store(dir.path());
    const std::string err = testing::internal::GetCapturedStderr();
    const QStringList errors = store.manifestErrors();
    ASSERT_EQ(errors.size(), 3) << errors.join('\n').toStdString();
    EXPECT_EQ(errors[0].toStdString(), "picture key Other_Key is given twice: manifest/one.tsv:3 and manifest/one.tsv:5");
    EXPECT_EQ(errors[1].toStdString(), "picture key Same_Key is given twice: manifest/one.tsv:2 and manifest/two.tsv:2");
    EXPECT_EQ(errors[2].toStdString(), "manifest/two.tsv:3: a key without a picture file");
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3) << err;
    EXPECT_EQ(store.files("Same_Key"), QStringList{"a.svg"}) << "the first place given is kept";
    EXPECT_EQ(store.files("Lone_Key"), QStringList{"a.svg"});
}

TEST(PictureManifest, EveryPointerIconIsThePointerPictureUnlessNamed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.path(), "kit/pointer.svg",
              R"(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32"><rect width="32" height="32"/></svg>)");
    writeFile(dir.path(), "own.svg", kSmallSvg);
    writeFile(dir.path(), "manifest/m.tsv", "Form9_Image1_3_MouseIcon\town.svg\n");
    SvgAssetStore store(dir.path());
    EXPECT_EQ(store.pictureSize("Form9_Image1_1_MouseIcon"), (PixelSize{32, 32}));
    EXPECT_EQ(store.files("Form9_Image1_1_MouseIcon"), QStringList{"kit/pointer.svg"});
    EXPECT_EQ(store.pictureSize("Form9_Image1_3_MouseIcon"), (PixelSize{4, 3})) << "a named icon wins";
    EXPECT_FALSE(store.pictureSize("Form9_Image1_1_Picture").has_value()) << "pictures have no default";
    EXPECT_FALSE(store.image("Form9_Image2_MouseIcon", QSize(32, 32)).isNull());
    EXPECT_TRUE(store.keys().size() == 1u) << "the default adds no key of its own";
}

TEST(RenderAhead, APictureBeingRenderedIsNotRenderedAgain) {
    SvgAssetStore store(assetsFolder());
    // Large enough that the worker is still at it when the others ask.
    const QSize big(2944, 2200);
    const std::string key = "Form1_Imagefixe_Picture";
    const SvgAssetStore::Wanted wanted{{key, big}};
    store.prerender({}, wanted);
    store.prerender({}, wanted);  // the same request again while the first runs
    QImage fromThreads[2];
    std::thread a([&] { fromThreads[0] = store.image(key, big); });
    std::thread b([&] { fromThreads[1] = store.image(key, big); });
    const QImage here = store.image(key, big);
    a.join();
    b.join();
    store.waitForPrerender();
    EXPECT_EQ(store.renderCount(), 1);
    ASSERT_FALSE(here.isNull());
    EXPECT_EQ(here.size(), big);
    EXPECT_EQ(fromThreads[0].cacheKey(), here.cacheKey()) << "one rendered image, shared";
    EXPECT_EQ(fromThreads[1].cacheKey(), here.cacheKey());
    store.image(key, QSize(736, 550));
    EXPECT_EQ(store.renderCount(), 2) << "another size is another picture";
}

// The real program's pages in the real window, with a store of the given budget.
struct RealPages {
    explicit RealPages(std::size_t budget = SvgAssetStore::kDefaultCacheBudget)
        : store(assetsFolder(), budget),
          host(store, QDir::tempPath(), {.quitOnEnd = false, .recordPrograms = true, .fitToScreen = false}),
          nav(host, screenRegistry()) {
        host.attach(&nav);
    }
    void open(const char* name) {
        nav.open(name);
        settle();
    }
    void settle() {
        QCoreApplication::processEvents();
        store.waitForPrerender();
        QCoreApplication::processEvents();
    }
    // Draws the window as it is now; returns the renders that took.
    long renderOnPaint() {
        const long before = store.renderCount();
        host.window()->grab();
        return store.renderCount() - before;
    }
    // The device size a screen's picture is drawn at in this window (offscreen: one pixel a device pixel).
    // Each page shows at the scale its content band fills the window with.
    QSize drawnSize(const ScreenDef& d, const ControlDef& c) {
        const QWidget* w = host.window();
        const double s = pageScale(d, w->width(), w->height());  // the page's band filling the window
        const QSizeF shown = c.stretch ? QSizeF(c.rect.width, c.rect.height) * (s / kTwipsPerPixel)
                                       : QSizeF(c.picture->width, c.picture->height) * s;
        return {static_cast<int>(std::lround(shown.width())), static_cast<int>(std::lround(shown.height()))};
    }
    const ScreenDef& def(const char* screen) {
        for (const auto& e : registry) {
            if (e.name == screen) return e.module->def;
        }
        throw std::runtime_error("no built screen " + std::string(screen));
    }
    QSize drawnSize(const char* screen, const char* control, std::optional<int> index = {}) {
        const ScreenDef& d = def(screen);
        return drawnSize(d, d.controls[static_cast<std::size_t>(d.find(control, index).value())]);
    }
    // The pictures of a screen inside its page that are not ready at the size they are drawn.
    std::vector<std::string> notReady(const char* screen) {
        const ScreenDef& d = def(screen);
        std::vector<std::string> out;
        for (const ControlDef& c : d.controls) {
            if (c.kind != Kind::Image || !c.picture || c.rect.left >= d.clientWidth || c.rect.top >= d.clientHeight) continue;
            const std::string key = assetKey(d, c, "Picture");
            if (!store.cached(key, drawnSize(d, c))) out.push_back(key);
        }
        return out;
    }
    std::vector<RegistryEntry> registry = screenRegistry();
    SvgAssetStore store;
    DesktopHost host;
    Navigator nav;
};

TEST(RenderAhead, ThePageOnShowIsNeverEvicted) {
    // A budget of one page: rendering other pictures evicts all but the page on show.
    RealPages app(4u * 1024u * 1024u);
    app.open("Form1");
    EXPECT_EQ(app.renderOnPaint(), 0) << "the page was rendered ahead";
    const QSize filler(600, 600);  // about 1 MB each
    for (int i = 0; i < 6; ++i) app.store.image("Form3_Imagefixe_Picture", filler + QSize(i, 0));
    EXPECT_FALSE(app.store.cached("Form3_Imagefixe_Picture", filler)) << "older pictures were evicted";
    EXPECT_TRUE(app.store.cached("Form1_Imagefixe_Picture", app.drawnSize("Form1", "Imagefixe")));
    EXPECT_EQ(app.renderOnPaint(), 0) << "the page on show was kept whole";
    // Once another page is on show, the menu may go.
    app.open("Form4");
    for (int i = 0; i < 6; ++i) app.store.image("Form3_Imagefixe_Picture", filler + QSize(0, i));
    EXPECT_FALSE(app.store.cached("Form1_Imagefixe_Picture", app.drawnSize("Form1", "Imagefixe")));
    EXPECT_EQ(app.renderOnPaint(), 0);
}

// A cache budget with room for `count` renders of the picture at about
// 600 x 600 (as kept: a picture without transparency takes 3 bytes a pixel),
// and not for one more.
std::size_t roomFor(int count, const std::string& key) {
    SvgAssetStore probe(assetsFolder());
    const auto one = static_cast<std::size_t>(probe.image(key, QSize(603, 600)).sizeInBytes());
    return count * one + one / 2;
}

TEST(RenderAhead, APictureWantedAheadOutlivesPicturesNobodyWants) {
    // Room for three pictures of about 600 x 600: the next page's, already
    // cached, then one nobody wants; the page on show then needs a third and
    // a fourth.
    const std::string key = "Form3_Imagefixe_Picture";
    SvgAssetStore store(assetsFolder(), roomFor(3, key));
    const QSize next(600, 600), unwanted(601, 600), shown(602, 600), shownToo(603, 600);
    store.image(key, next);
    store.image(key, unwanted);
    // Wanted ahead while the page on show is rendered: what goes to make room
    // is the picture nobody wants, not the next page's, cached first.
    store.prerender({{key, shown}, {key, shownToo}}, {{key, next}});
    store.waitForPrerender();
    EXPECT_TRUE(store.cached(key, shown));
    EXPECT_TRUE(store.cached(key, shownToo));
    EXPECT_TRUE(store.cached(key, next)) << "the next page's picture was evicted: it would be drawn while the pupil waits";
    EXPECT_FALSE(store.cached(key, unwanted));
}

TEST(RenderAhead, OpaquePicturesAreKeptSmallerAndDrawTheSame) {
    SvgAssetStore store(assetsFolder());
    // A whole page has no transparent pixel: three bytes a pixel.
    const QImage page = store.image("Form3_Imagefixe_Picture", QSize(368, 275));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.depth(), 24);
    // The pointer's hand lies over the page: it keeps its transparency.
    const QImage hand = store.image("Form3_Image1_0_MouseIcon", QSize(32, 32));
    ASSERT_FALSE(hand.isNull());
    EXPECT_TRUE(hand.hasAlphaChannel());
    // Drawn into the window's own format, the page is the picture as rendered.
    QImage drawn(page.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::red);
    QPainter(&drawn).drawImage(0, 0, page);
    EXPECT_EQ(drawn, page.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST(RenderAhead, TheCacheGrowsWithTheWindow) {
    SvgAssetStore store(assetsFolder(), 8u << 20);
    store.fitBudgetTo(QSize(2048, 1536));  // four times the pixels of 1024 x 768
    EXPECT_EQ(store.budget(), 32u << 20);
    store.fitBudgetTo(QSize(800, 600));  // a smaller window keeps the budget given
    EXPECT_EQ(store.budget(), 8u << 20);
}

TEST(RenderAhead, PagesAheadThatDoNotFitLeaveTheCachedOnesInPlace) {
    // Room for three pictures of about 600 x 600. The page just left is
    // cached; back on a page that leads to it and to two more, there is room
    // for one of the two: the other is not rendered ahead, and the page just
    // left stays.
    const std::string key = "Form3_Imagefixe_Picture";
    SvgAssetStore store(assetsFolder(), roomFor(3, key));
    const QSize left(600, 600), shown(601, 600), first(602, 600), second(603, 600);
    store.image(key, left);
    store.prerender({{key, shown}}, {{key, first}, {key, second}, {key, left}});
    store.waitForPrerender();
    EXPECT_TRUE(store.cached(key, shown));
    EXPECT_TRUE(store.cached(key, left)) << "the page just left was evicted for another page ahead";
    EXPECT_TRUE(store.cached(key, first)) << "a page ahead that had room was not rendered";
    EXPECT_FALSE(store.cached(key, second));
    EXPECT_LE(store.cachedBytes(), roomFor(3, key));
    // The page on show itself is always rendered, room or not.
    store.prerender({{key, second}}, {{key, first}, {key, left}});
    store.waitForPrerender();
    EXPECT_TRUE(store.cached(key, second));
}

TEST(RenderAhead, PageAfterPageEachPictureIsRenderedOnceAtTheSizeItShows) {
    RealPages app;
    // The title page's art fills the window at a scale of its own: the menu
    // it leads to is rendered ahead at the menu's scale, not the title's.
    app.open("Form2");
    ASSERT_NE(app.host.scale(), pageScale(app.def("Form1"), 1024, 768));
    EXPECT_EQ(app.notReady("Form1"), std::vector<std::string>{});
    app.open("Form1");
    EXPECT_EQ(app.renderOnPaint(), 0) << "the menu was drawn from what was rendered ahead";
    // Form3 and Form4 have client areas of their own sizes, unlike the menu's,
    // and show at the menu's scale all the same.
    EXPECT_EQ(app.notReady("Form3"), std::vector<std::string>{});
    const std::size_t form4 = app.notReady("Form4").size();
    ASSERT_GT(form4, 0u);
    const long before = app.store.renderCount();
    app.open("Form3");
    EXPECT_EQ(app.store.renderCount() - before, static_cast<long>(form4)) << "only Form4's pictures, once each";
    EXPECT_EQ(app.notReady("Form4"), std::vector<std::string>{});
    EXPECT_EQ(app.renderOnPaint(), 0);
}

TEST(RenderAhead, ANewWindowSizeRendersThePagesAheadAgain) {
    const char* ways[] = {"resize", "maximise", "full screen"};
    for (const char* way : ways) {
        RealPages app;
        app.open("Form1");
        // In a window of the design size, the pages the menu leads to are
        // ready at the scale their bands fill it with.
        for (const char* page : {"Form3", "Form22"})
            EXPECT_EQ(app.notReady(page), std::vector<std::string>{}) << page;
        app.host.window()->grab();
        const QSize before = app.drawnSize("Form1", "Imagefixe");
        const std::string how(way);
        if (how == "resize")
            app.host.window()->resize(1200, 900);  // the pages ahead fit the pictures' cache at this scale
        else if (how == "maximise")
            app.host.window()->showMaximized();
        else
            QTest::keyClick(app.host.window()->windowHandle(), Qt::Key_F11);
        app.settle();
        const QSize after = app.drawnSize("Form1", "Imagefixe");
        ASSERT_NE(after, before) << way << ": the window did not change size";
        // The menu and every page it leads to are ready at the new scale...
        for (const char* page : {"Form1", "Form3", "Form22"})
            EXPECT_EQ(app.notReady(page), std::vector<std::string>{}) << way << " " << page;
        // ...so drawing the menu renders nothing.
        EXPECT_EQ(app.renderOnPaint(), 0) << way;
    }
}

// The core's test screen in the real window.
class Desktop : public ::testing::Test {
protected:
    Desktop() : store(assetsFolder()), host(store, QDir::tempPath(), testOptions()), nav(host, test::testRegistry()) {
        host.attach(&nav);
        nav.open("Lab");
        host.window()->activateWindow();
        QApplication::setActiveWindow(host.window());
        QCoreApplication::processEvents();
    }
    QWindow* win() { return host.window()->windowHandle(); }
    Screen& screen() { return *nav.current(); }
    ControlId id(std::string_view n, std::optional<int> i = {}) { return screen().findQuiet(n, i).value(); }
    QPoint at(Twips x, Twips y) { return host.toWindow(x, y).toPoint(); }
    QPoint centre(std::string_view n, std::optional<int> i = {}) {
        auto [x, y] = test::centre(screen(), n, i);
        return at(x, y);
    }
    void settle() { QCoreApplication::processEvents(); }

    SvgAssetStore store;
    DesktopHost host;
    Navigator nav;
};

// The pages' check boxes and text boxes are drawn in one style on every
// machine, even when the desktop has set another one for Qt programs: the
// process set-up puts it back.
TEST(DesktopStyle, ControlsAreDrawnWithFusionWhateverStyleWasAsked) {
    ASSERT_NE(QApplication::setStyle(QStringLiteral("Windows")), nullptr);
    ASSERT_EQ(QApplication::style()->name().toLower(), QStringLiteral("windows"));
    setUpProcess();
    SvgAssetStore store(assetsFolder());
    DesktopHost::Options o;
    o.quitOnEnd = false;
    o.fitToScreen = false;
    DesktopHost host(store, QDir::tempPath(), o);
    Navigator nav(host, test::testRegistry());
    host.attach(&nav);
    nav.open("Lab");
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    const auto check = nav.current()->findQuiet("Check1", std::nullopt);
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(host.nativeWidget(*check)->style()->name().toLower(), QStringLiteral("fusion"));
}

// The watch stops the timers of the class it is given, and only those.
TEST(QuietFontCache, StopsTheTimersOfItsClassOnly) {
    struct Ticking : QObject {
        int ticks = 0;
        void timerEvent(QTimerEvent*) override { ++ticks; }
    };
    QuietFontCache quiet(QByteArrayLiteral("QTimer"));
    QCoreApplication::instance()->installEventFilter(&quiet);
    QTimer watched;
    int timeouts = 0;
    QObject::connect(&watched, &QTimer::timeout, [&] { ++timeouts; });
    watched.start(2);
    Ticking other;
    other.startTimer(2);
    QTest::qWait(100);
    QCoreApplication::instance()->removeEventFilter(&quiet);
    EXPECT_EQ(timeouts, 0);
    EXPECT_EQ(quiet.stopped(), 1);
    EXPECT_EQ(quiet.lastCache(), &watched);
    EXPECT_TRUE(QAbstractEventDispatcher::instance()->registeredTimers(&watched).isEmpty());
    EXPECT_GE(other.ticks, 3);
    // The timer's owner can still stop and start it.
    watched.start(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return timeouts >= 3; }, 1000));
}

// Qt's own font cache, loaded past the size it trims down to, stops waking
// the program after its first timer, and starts no other as more engines
// come. Run in a process of its own: the cache must start clean, and the
// first trim comes 10 s after the engines.
TEST(QuietFontCache, QtsFontCacheStopsTrimmingFromATimer) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto loadEngines = [](int from, int to) {
        for (int px = from; px < to; ++px) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(px);
            QFontMetrics(font).horizontalAdvance(QStringLiteral("Nizam"));
        }
    };
    const auto child = [&] {
        QuietFontCache quiet;
        QCoreApplication::instance()->installEventFilter(&quiet);
        loadEngines(8, 88);
        if (!QTest::qWaitFor([&] { return quiet.stopped() > 0; }, 15000)) {
            std::fprintf(stderr, "the font cache set no timer\n");
            std::exit(1);
        }
        QObject* cache = quiet.lastCache();
        if (!cache || QByteArray(typeid(*cache).name()) != "10QFontCache") {
            std::fprintf(stderr, "the timer stopped was not the font cache's\n");
            std::exit(1);
        }
        loadEngines(88, 168);
        QTest::qWait(100);
        if (!QAbstractEventDispatcher::instance()->registeredTimers(cache).isEmpty() || quiet.stopped() != 1) {
            std::fprintf(stderr, "the font cache still has a timer\n");
            std::exit(1);
        }
        std::exit(0);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");
}

TEST_F(Desktop, TheWholeCheckBoxRectangleTogglesIt) {
    const Rect r = screen().rect(id("Check1"));
    // The right end of the box, far from Qt's small indicator.
    const QPoint p = at(r.left + r.width - 30, r.top + r.height / 2);
    QTest::mouseClick(win(), Qt::LeftButton, {}, p);
    settle();
    EXPECT_EQ(screen().state(id("Check1")).value, 1);
    EXPECT_EQ(screen().focus(), id("Check1"));
    QTest::keyClick(host.nativeWidget(id("Check1")), Qt::Key_Space);
    EXPECT_EQ(screen().state(id("Check1")).value, 0);
    // A reset from the logic reaches the native box.
    QTest::mouseClick(win(), Qt::LeftButton, {}, p);
    screen().setValue(id("Check1"), 0);
    EXPECT_FALSE(static_cast<QCheckBox*>(host.nativeWidget(id("Check1")))->isChecked());
}

// Closing the window (the close event a window manager sends for its frame's
// button or Alt+F4) on a page with the pupil's answers asks inside the
// window: the window stays, the panel lies over the page and takes the
// keyboard, the page's boxes take no click, key or typing; Escape gives the
// page back with its focus, and the next close asks again. On a page with
// nothing entered the close ends at once.
TEST_F(Desktop, ClosingThePageWithAnswersAsksInsideTheWindow) {
    auto* edit = static_cast<QLineEdit*>(host.nativeWidget(id("Text1")));
    auto* box = static_cast<QCheckBox*>(host.nativeWidget(id("Check1")));
    QTest::mouseClick(win(), Qt::LeftButton, {}, centre("Check1"));
    edit->setFocus();
    settle();
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("ج"));
    QCoreApplication::sendEvent(edit, &typed);
    settle();
    ASSERT_EQ(screen().focus(), id("Text1"));

    QCloseEvent close;
    QCoreApplication::sendEvent(host.window(), &close);
    settle();
    EXPECT_FALSE(close.isAccepted()) << "the window stays while the course asks";
    ASSERT_NE(nav.quitQuestion(), nullptr);
    EXPECT_TRUE(host.window()->isVisible());
    EXPECT_TRUE(host.quitQuestionShown());
    QWidget* panel = QApplication::focusWidget();
    ASSERT_NE(panel, nullptr);
    EXPECT_NE(panel, edit) << "the panel has the keyboard";
    EXPECT_EQ(host.window()->childAt(centre("Check1")), panel) << "the panel lies over the page's boxes";

    QTest::mouseClick(win(), Qt::LeftButton, {}, centre("Check1"));
    QTest::keyClick(edit, Qt::Key_A);
    QInputMethodEvent more;
    more.setCommitString(QStringLiteral("x"));
    QCoreApplication::sendEvent(edit, &more);
    QTest::keyClick(panel, Qt::Key_Tab);
    settle();
    EXPECT_EQ(nav.quitQuestion()->focus, QuitButton::Leave);
    QTest::keyClick(panel, Qt::Key_Tab);
    EXPECT_EQ(screen().state(id("Check1")).value, 1);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(edit->text(), QStringLiteral("ج"));
    EXPECT_EQ(screen().state(id("Text1")).text, "ج");

    QTest::keyClick(panel, Qt::Key_Escape);
    settle();
    EXPECT_EQ(nav.quitQuestion(), nullptr);
    EXPECT_FALSE(host.quitQuestionShown());
    EXPECT_EQ(QApplication::focusWidget(), edit) << "the page's focus is given back";
    EXPECT_EQ(screen().focus(), id("Text1"));
    EXPECT_FALSE(nav.ended());

    // Asked again; Enter on the default stays, Tab then Enter leaves.
    QCloseEvent again;
    QCoreApplication::sendEvent(host.window(), &again);
    settle();
    ASSERT_TRUE(host.quitQuestionShown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(host.quitQuestionShown());
    QCloseEvent last;
    QCoreApplication::sendEvent(host.window(), &last);
    settle();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_TRUE(nav.ended());
    EXPECT_FALSE(host.window()->isVisible());
}

// Alt+F4 reaching the window (no window manager took it) closes it as its frame does.
TEST_F(Desktop, AltF4ActsAsTheFramesClose) {
    QTest::mouseClick(win(), Qt::LeftButton, {}, centre("Check2"));
    settle();
    QTest::keyClick(host.nativeWidget(id("Check2")), Qt::Key_F4, Qt::AltModifier);
    settle();
    ASSERT_TRUE(host.quitQuestionShown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(host.quitQuestionShown());
    QTest::mouseClick(win(), Qt::LeftButton, {}, centre("Check2"));  // cleared again: nothing entered
    settle();
    ASSERT_EQ(screen().state(id("Check2")).value, 0);
    QTest::keyClick(host.window(), Qt::Key_F4, Qt::AltModifier);
    settle();
    EXPECT_TRUE(nav.ended());
}

TEST_F(Desktop, ClosingAnUntouchedPageEndsAtOnce) {
    QCloseEvent close;
    QCoreApplication::sendEvent(host.window(), &close);
    settle();
    EXPECT_TRUE(close.isAccepted());
    EXPECT_TRUE(nav.ended());
    EXPECT_FALSE(host.quitQuestionShown());
}

TEST_F(Desktop, TypedTextIsReportedNormalised) {
    auto* edit = static_cast<QLineEdit*>(host.nativeWidget(id("Text1")));
    edit->setFocus();
    for (const QString& ch : {QString(u'\u062C'), QString(u'\uFEFB')}) {
        QInputMethodEvent ev;
        ev.setCommitString(ch);
        QCoreApplication::sendEvent(edit, &ev);
    }
    settle();
    EXPECT_EQ(screen().state(id("Text1")).text, "\u062C\u0644\u0627");
    EXPECT_EQ(edit->text(), QString::fromUtf16(u"\u062C\u0644\u0627"));
    EXPECT_EQ(edit->layoutDirection(), Qt::RightToLeft);
    screen().setText(id("Text1"), "");
    EXPECT_TRUE(edit->text().isEmpty());
    // A formula reads left to right, even in a box meant for Arabic words.
    for (const char* formula : {"=(B2*100)/(B2+B3)", "91.18", "(31*100)/34"}) {
        edit->selectAll();
        QInputMethodEvent ev;
        ev.setCommitString(QString::fromUtf8(formula));
        QCoreApplication::sendEvent(edit, &ev);
        EXPECT_EQ(screen().state(id("Text1")).text, formula);
        EXPECT_EQ(edit->layoutDirection(), Qt::LeftToRight) << formula;
    }
}

TEST_F(Desktop, PastedMarksAndLineBreaksAreNotReported) {
    auto* edit = static_cast<QLineEdit*>(host.nativeWidget(id("Text1")));
    edit->setFocus();
    // Copied from a document: a right-to-left mark, an isolate and a line break.
    QGuiApplication::clipboard()->setText(QString::fromUtf16(u"\u200F\u2067جهاز انذار\u2069\r\n"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    settle();
    EXPECT_EQ(screen().state(id("Text1")).text, "جهاز انذار");
    EXPECT_EQ(edit->text(), QString::fromUtf8("جهاز انذار"));
    // Typed on after the paste, the caret still stands at the end.
    QInputMethodEvent ev;
    ev.setCommitString(QStringLiteral("\u200E!"));
    QCoreApplication::sendEvent(edit, &ev);
    EXPECT_EQ(screen().state(id("Text1")).text, "جهاز انذار!");
}

TEST_F(Desktop, AHugePasteIsCutToTheBoxBound) {
    auto* edit = static_cast<QLineEdit*>(host.nativeWidget(id("Text1")));
    edit->setFocus();
    QString huge;
    huge.reserve(1'000'000);
    for (int i = 0; i < 100'000; ++i) huge += QStringLiteral("\u062C\u0647\u0627\u0632 \u200F\u0627\u0646\u0630");
    QGuiApplication::clipboard()->setText(huge);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    settle();
    const std::string& text = screen().state(id("Text1")).text;
    EXPECT_FALSE(text.empty());
    EXPECT_LE(QString::fromStdString(text).size(), DesktopHost::kAnswerBoxMaxLength);
    EXPECT_LE(edit->text().size(), DesktopHost::kAnswerBoxMaxLength);
    EXPECT_FALSE(edit->text().contains(QChar(0x200F))) << "the cut text is still normalised";
    // The page changes and comes back with its box as before.
    nav.open("Lab");
    settle();
    EXPECT_TRUE(screen().state(id("Text1")).text.empty());
}

TEST_F(Desktop, DragWithRealEventsDropsUnderTheReleaseOnly) {
    const QPoint label = centre("Image3", 1);
    QTest::mouseMove(win(), label);
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    settle();
    EXPECT_TRUE(nav.dragging());
    QTest::mouseMove(win(), centre("Image4", 0));
    QTest::mouseRelease(win(), Qt::LeftButton, {}, centre("Image4", 0));
    settle();
    EXPECT_EQ(screen().state(id("Image4", 0)).picture, screen().state(id("Image3", 1)).picture);
    EXPECT_EQ(screen().rect(id("Image3", 1)), (Rect{1000, 7000, 1800, 450})) << "the source never moves";

    // Released outside the window: nothing is dropped.
    QTest::mouseMove(win(), label);
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    const QPoint outside(host.window()->width() + 40, 10);
    QTest::mouseMove(win(), outside);
    QTest::mouseRelease(win(), Qt::LeftButton, {}, outside);
    settle();
    EXPECT_FALSE(nav.dragging());
    EXPECT_TRUE(screen().state(id("Image4", 1)).picture.empty());
}

TEST_F(Desktop, AScaledWindowMapsThePointerBackToTwips) {
    host.window()->resize(2048, 1400);  // wider than the page's proportions
    settle();
    EXPECT_NEAR(host.scale(), pageScale(screen().def(), 2048, 1400), 1e-9);
    // The page's band fills the window's height and is centred in its width.
    const Rect band = contentBand(screen().def());
    EXPECT_NEAR(band.height / 15.0 * host.scale(), 1400, 1e-6);
    const QPointF middle = host.toWindow(band.left + band.width / 2, band.top + band.height / 2);
    EXPECT_NEAR(middle.x(), 1024, 1.0) << "the page stays centred";
    EXPECT_NEAR(middle.y(), 700, 1.0);
    const QPointF corner = host.toWindow(0, 4000);
    for (Twips x : {0, 15, 3000, 4499, 15345}) {
        const QPointF p = host.toWindow(x, 4000);
        EXPECT_NEAR(p.x(), corner.x() + x / 15.0 * host.scale(), 0.5);
    }
    QTest::mouseMove(win(), centre("Image1", 2));
    settle();
    EXPECT_TRUE(screen().state(id("Image2", 2)).visible);
    QTest::mouseMove(win(), at(9000, 9000));
    settle();
    EXPECT_FALSE(screen().state(id("Image2", 2)).visible);
    // The native boxes follow the page.
    EXPECT_EQ(host.nativeWidget(id("Check1"))->geometry(),
              QRectF(host.toWindow(600, 600), host.toWindow(975, 975)).toRect());
}

TEST(DesktopPrograms, TheCalculatorStartsDetachedFromTheProgramFolder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A stand-in calculator that adds a line, where it was started, for each
    // start, and then keeps running for a while, as a calculator does.
    QFile calc(folder.filePath("calc"));
    ASSERT_TRUE(calc.open(QIODevice::WriteOnly));
    calc.write("#!/bin/sh\npwd >> started.txt\nsleep 2\n");
    calc.close();
    calc.setPermissions(calc.permissions() | QFileDevice::ExeOwner);

    SvgAssetStore store(assetsFolder());
    DesktopHost host(store, folder.path(), {.quitOnEnd = false, .recordPrograms = false});
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    const QString elsewhere = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());  // the working directory must not matter
    // Every click starts another calculator, while the first still runs.
    nav.startProgram("calc");
    nav.startProgram("calc");
    QDir::setCurrent(elsewhere);
    auto starts = [&] {
        QFile started(folder.filePath("started.txt"));
        if (!started.open(QIODevice::ReadOnly)) return QStringList();
        return QString::fromUtf8(started.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    for (int i = 0; i < 200 && starts().size() < 2; ++i) QTest::qWait(50);
    QTest::qWait(200);  // a third start, were there one, would have its line by now
    const QStringList lines = starts();
    ASSERT_EQ(lines.size(), 2) << "two clicks, two calculators: " << lines.join(" | ").toStdString();
    for (const QString& where : lines)
        EXPECT_EQ(QDir(where).canonicalPath(), QDir(folder.path()).canonicalPath()) << "started from the program folder";

    // No calculator: one line on stderr, and the program goes on.
    QTemporaryDir empty;
    DesktopHost bare(store, empty.path(), {.quitOnEnd = false, .recordPrograms = false});
    testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) bare.startProgram(empty.filePath("calc").toStdString(), kMaximizedFocus);
    // A calculator replaced by garbage or emptied: one line each, however often clicked.
    for (const QByteArray& content : {QByteArray("\x7f" "ELF\x02garbage", 12), QByteArray()}) {
        QFile broken(empty.filePath(content.isEmpty() ? "calc-empty" : "calc-garbage"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write(content);
        broken.close();
        broken.setPermissions(broken.permissions() | QFileDevice::ExeOwner);
        for (int i = 0; i < 3; ++i) bare.startProgram(broken.fileName().toStdString(), kMaximizedFocus);
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(empty.filePath("calc").toStdString() + ":"), std::string::npos) << err;
    EXPECT_NE(err.find("calc-garbage"), std::string::npos) << err;
    EXPECT_NE(err.find("calc-empty"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3) << err;
}

// The pages' movies in the real window, played from the program's folder:
// leaving a page stops its movies with it; a hidden player holds its frame;
// the video button plays its movie again from the first frame; a verdict set
// while the video is shown stays behind it.
TEST(PageMovies, LeavingStopsThemAndTheVideoButtonStartsAgainFromTheFirstFrame) {
    SvgAssetStore store(assetsFolder());
    DesktopHost host(store, QFileInfo(assetsFolder()).path(),
                     {.quitOnEnd = false, .recordPrograms = true, .fitToScreen = false});
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    auto player = [&](const char* name) {
        Screen& s = *nav.current();
        return dynamic_cast<QmlMoviePlayer*>(s.state(s.findQuiet(name, std::nullopt).value()).player.get());
    };
    auto click = [&](const char* name, std::optional<int> index = {}) {
        auto [x, y] = test::centre(*nav.current(), name, index);
        QTest::mouseClick(host.window()->windowHandle(), Qt::LeftButton, {}, host.toWindow(x, y).toPoint());
        QCoreApplication::processEvents();
    };
    auto waitFrames = [&](QmlMoviePlayer* p, int frames) {
        for (int i = 0; i < 200 && p->currentFrame() < frames; ++i) QTest::qWait(10);
    };

    nav.open("Form30");
    QCoreApplication::processEvents();
    QmlMoviePlayer* gate = player("flash1");
    QmlMoviePlayer* barrier = player("flash2");
    ASSERT_TRUE(gate && barrier);
    ASSERT_TRUE(gate->hasMovie() && barrier->hasMovie()) << "the scenes lie in the program's folder";
    EXPECT_TRUE(gate->isPlaying());
    EXPECT_TRUE(barrier->isPlaying());
    const QPointer<QQuickWidget> gateView = gate->widget();
    const QPointer<QQuickWidget> barrierView = barrier->widget();
    nav.open("Form1");
    QCoreApplication::processEvents();
    EXPECT_TRUE(gateView.isNull()) << "the gate's movie goes with its page";
    EXPECT_TRUE(barrierView.isNull()) << "the barrier's movie goes with its page";
    EXPECT_TRUE(host.window()->findChildren<QQuickWidget*>().isEmpty());

    nav.open("Form33");
    QCoreApplication::processEvents();
    QmlMoviePlayer* video = player("flash2");
    ASSERT_TRUE(video);
    EXPECT_FALSE(video->hasMovie()) << "no movie until the video button";
    click("Image1", 7);
    ASSERT_TRUE(video->hasMovie());
    EXPECT_TRUE(video->isPlaying());
    waitFrames(video, 20);
    ASSERT_GE(video->currentFrame(), 20);
    // Closed: the player is hidden and holds its frame.
    click("Image11");
    EXPECT_FALSE(video->widget()->isVisible());
    EXPECT_FALSE(video->isPlaying());
    const int held = video->currentFrame();
    QTest::qWait(200);
    EXPECT_EQ(video->currentFrame(), held);
    // Shown again by the video button: the movie starts from its first frame.
    click("Image1", 7);
    EXPECT_TRUE(video->widget()->isVisible());
    EXPECT_TRUE(video->isPlaying());
    EXPECT_LT(video->currentFrame(), 5);
    // A second click while it plays starts it over as well.
    waitFrames(video, 20);
    ASSERT_GE(video->currentFrame(), 20);
    click("Image1", 7);
    EXPECT_LT(video->currentFrame(), 5);
    EXPECT_TRUE(video->isPlaying());

    // A check made while the video is shown sets its figure behind the
    // player: the window shows the movie there until the close mark is clicked.
    click("Image1", 2);
    Screen& page = *nav.current();
    ASSERT_TRUE(page.state(page.findQuiet("Image7", 1).value()).visible);
    auto [fx, fy] = test::centre(page, "Image7", 1);
    const QPoint figure = host.toWindow(fx, fy).toPoint();
    const QImage shown = host.window()->grab().toImage();
    const QImage movie = video->widget()->grab().toImage();
    const QPoint inPlayer = video->widget()->mapFrom(host.window(), figure);
    EXPECT_EQ(shown.pixel(figure), movie.pixel(inPlayer)) << "the movie covers the figure";
    click("Image11");
    const QImage uncovered = host.window()->grab().toImage();
    EXPECT_NE(uncovered.pixel(figure), movie.pixel(inPlayer)) << "the figure shows once the video is closed";
}

TEST_F(Desktop, AFrameShapeIsDrawnOverTheBackColour) {
    // The test screen's pictures have no sources, so only the back colour,
    // the frame Shape1 (3 px, solid black) and the native controls show.
    QCoreApplication::processEvents();
    const QImage page = host.window()->grab().toImage();
    auto at = [&](int x, int y) { return QColor(page.pixel(x, y)); };
    // The frame at the page's scale.
    const double s = host.scale();
    ASSERT_GT(s, 1.0);
    const QPoint tl = host.toWindow(8000, 1000).toPoint(), br = host.toWindow(8000 + 2000, 1000 + 2000).toPoint();
    const int left = tl.x(), mid = tl.y() + 50, right = br.x() - 1;
    EXPECT_EQ(at(left, mid), QColor(Qt::black)) << "the frame's left edge";
    EXPECT_EQ(at(left + 1, mid), QColor(Qt::black)) << "3 design px wide, across the edge";
    EXPECT_EQ(at(left - 1, mid), QColor(Qt::black)) << "3 design px wide, across the edge";
    EXPECT_EQ(at(right, mid), QColor(Qt::black)) << "the frame's right edge";
    EXPECT_EQ(at(left + static_cast<int>(3 * s) + 20, mid), QColor(Qt::white)) << "a transparent shape shows what lies behind";
    EXPECT_EQ(at(2, 2), QColor(Qt::white)) << "the back colour, to the window's edge";
}

// The question numbers " -1" .. " -5" of Form22 are Arabic-set labels that
// hold no Arabic letter: they read as written, the digit at the right of its
// dash, as in an Arabic book's numbered list.
TEST(DesktopLabels, AListNumberStandsWithItsDigitAtTheRight) {
    SvgAssetStore store(assetsFolder());
    DesktopHost host(store, QDir::tempPath(), {.quitOnEnd = false, .recordPrograms = true});
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    nav.open("Form22");
    QCoreApplication::processEvents();
    const QImage page = host.window()->grab(host.clientRect()).toImage();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const Rect r = nav.current()->rect(nav.current()->findQuiet("Label1", i).value());
        // Inside the label, clear of the dotted frames of the page that touch
        // its first column and its last rows.
        const QRect box(host.toWindow(r.left, r.top).toPoint() + QPoint(1, 0),
                        host.toWindow(r.left + r.width, r.top + r.height).toPoint() - QPoint(1, 3));
        // The ink falls into two pieces side by side, the dash and the digit;
        // the digit is the taller piece.
        struct Piece {
            int left, right, top, bottom;
        };
        std::vector<Piece> pieces;
        bool inPiece = false;
        for (int x = box.left(); x <= box.right(); ++x) {
            int top = box.bottom() + 1, bottom = box.top() - 1;
            for (int y = box.top(); y <= box.bottom(); ++y)
                if (QColor(page.pixel(x, y)).lightness() < 170) top = std::min(top, y), bottom = std::max(bottom, y);
            if (bottom < top) {
                inPiece = false;
                continue;
            }
            if (!inPiece) pieces.push_back({x, x, top, bottom});
            inPiece = true;
            Piece& p = pieces.back();
            p.right = x, p.top = std::min(p.top, top), p.bottom = std::max(p.bottom, bottom);
        }
        ASSERT_EQ(pieces.size(), 2u) << "a dash and a digit";
        const int h0 = pieces[0].bottom - pieces[0].top, h1 = pieces[1].bottom - pieces[1].top;
        EXPECT_LT(h0, h1) << "the dash stands left of the digit";
    }
}

// Two small pages: a door whose button leads to a room where a check box and
// a text box lie right under that button, and whose own button leads back.
namespace rooms {
ScreenDef doorDef() {
    ScreenDef d;
    d.name = "Door";
    d.controls = {
        image("Image1", 1, 3000, 3000, 1500, 1500).pointerIcon(),
        image("Imagefixe", 0, 0, 15360, 11520).pic(1024, 768),  // the page picture covers the page
    };
    return d;
}
ScreenDef roomDef() {
    ScreenDef d;
    d.name = "Room";
    d.clientHeight = 11130;  // a smaller client area than the door's
    d.controls = {
        checkBox("Check1", 3000, 3000, 750, 750).tab(1),
        textBox("Text1", 3000, 3750, 1500, 495).tab(2),
        image("Image1", 1, 8000, 3000, 1500, 1500).pointerIcon(),
        image("Imagefixe", 0, 0, 15360, 11130).pic(1024, 742),
    };
    return d;
}
const ScreenDef kDoor = doorDef();
const ScreenDef kRoom = roomDef();
int doorClicks = 0;
const ScreenModule kDoorModule{kDoor, [](ScreenLogic& logic) {
    logic.onClick("Image1", [](Ctx& ctx, Index) {
        ++doorClicks;
        ctx.app.goTo("Room");
    });
}};
const ScreenModule kRoomModule{kRoom, [](ScreenLogic& logic) {
    logic.onClick("Image1", [](Ctx& ctx, Index) { ctx.app.goTo("Door"); });
}};
std::vector<RegistryEntry> registry() { return {{"Door", &kDoorModule}, {"Room", &kRoomModule}}; }
}  // namespace rooms

class DoubleClick : public ::testing::Test {
protected:
    DoubleClick() : store(assetsFolder()), host(store, QDir::tempPath(), testOptions()), nav(host, rooms::registry()) {
        host.attach(&nav);
        rooms::doorClicks = 0;
        nav.open("Door");
        QCoreApplication::processEvents();
    }
    QPoint at(Twips x, Twips y) { return host.toWindow(x, y).toPoint(); }
    void doubleClick(QPoint p) {
        QTest::mouseMove(host.window()->windowHandle(), p);
        QTest::mouseDClick(host.window()->windowHandle(), Qt::LeftButton, {}, p);
        QCoreApplication::processEvents();
    }
    ControlId id(std::string_view n) { return nav.current()->findQuiet(n, {}).value(); }
    SvgAssetStore store;
    DesktopHost host;
    Navigator nav;
};

TEST_F(DoubleClick, OnAButtonThatLeavesThePageActsAsOneClick) {
    // The button's second press lands on the check box and the text box of the next page.
    for (const QPoint p : {at(3300, 3300), at(3300, 3900)}) {
        rooms::doorClicks = 0;
        nav.open("Door");
        doubleClick(p);
        ASSERT_EQ(nav.current()->name(), "Room");
        EXPECT_EQ(rooms::doorClicks, 1);
        EXPECT_EQ(nav.current()->state(id("Check1")).value, 0) << "the box under the pointer is not ticked";
        EXPECT_NE(QApplication::focusWidget(), host.nativeWidget(id("Text1"))) << "nor the text box focused";
    }
    // And back: the room's button lies where the door has nothing; a second
    // press there does nothing either, and the page stays the door.
    doubleClick(at(8300, 3300));
    EXPECT_EQ(nav.current()->name(), "Door");
    // A click after the double-click is a click again.
    QTest::mouseClick(host.window()->windowHandle(), Qt::LeftButton, {}, at(3300, 3300));
    QCoreApplication::processEvents();
    EXPECT_EQ(nav.current()->name(), "Room");
}

TEST_F(DoubleClick, OnACheckBoxOfOnePageTicksItTwice) {
    nav.open("Room");
    QCoreApplication::processEvents();
    const QPoint box = at(3375, 3375);
    doubleClick(box);
    EXPECT_EQ(nav.current()->state(id("Check1")).value, 0) << "ticked, then cleared, as two clicks do";
    QTest::mouseClick(host.window()->windowHandle(), Qt::LeftButton, {}, box);
    QCoreApplication::processEvents();
    EXPECT_EQ(nav.current()->state(id("Check1")).value, 1);
}

TEST(DesktopWindow, FitsTheDisplayWithThePageProportions) {
    struct Case {
        QSize available;
        QSize window;
    };
    const Case cases[] = {
        {{1280, 1024}, {1024, 768}},  // room to spare: the design size
        {{1024, 768}, {1024, 768}},
        {{1024, 600}, {800, 600}},    // a small laptop: height decides
        {{1024, 570}, {760, 570}},    // the same, less a panel
        {{800, 600}, {800, 600}},
        {{800, 560}, {746, 560}},
        {{700, 1024}, {700, 525}},    // a tall display: width decides
    };
    for (const Case& c : cases) EXPECT_EQ(DesktopHost::fittedSize(c.available), c.window) << c.available.width() << "x" << c.available.height();
}

TEST(DesktopWindow, OpensFittedAndKeepsOneSizeFromPageToPage) {
    SvgAssetStore store(assetsFolder());
    DesktopHost host(store, QDir::tempPath(), {.quitOnEnd = false, .recordPrograms = true});
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    nav.start();
    QTest::qWait(50);  // the platform's frame comes with the first showing
    QWidget* w = host.window();
    const QRect free = w->screen()->availableGeometry();  // the offscreen display: 800 x 600
    const QSize opened = w->size();
    EXPECT_EQ(opened, DesktopHost::fittedSize(free.size() - (w->frameGeometry().size() - w->size())));
    EXPECT_TRUE(free.contains(w->frameGeometry()))
        << "the whole page and its toolbar are on the display: " << w->frameGeometry().x() << "," << w->frameGeometry().y()
        << " " << w->frameGeometry().width() << "x" << w->frameGeometry().height();
    // Every page is drawn inside the same window, its band filling it; the
    // pages laid out on the one exercise picture (with client areas of
    // their own sizes too) at one scale, the title page at its own.
    std::optional<double> exercise;
    for (const char* page : {"Form1", "Form3", "Form4", "Form22", "Form23", "Form2"}) {
        nav.open(page);
        QCoreApplication::processEvents();
        EXPECT_EQ(w->size(), opened) << page;
        const QRect client = host.clientRect();
        EXPECT_TRUE(QRect(QPoint(0, 0), opened).contains(client))
            << page << " " << client.x() << "," << client.y() << " " << client.width() << "x" << client.height();
        const Rect band = contentBand(nav.current()->def());
        const QPointF tl = host.toWindow(band.left, band.top), br = host.toWindow(band.left + band.width, band.top + band.height);
        EXPECT_TRUE(QRectF(QPointF(-1, -1), QSizeF(opened) + QSizeF(2, 2)).contains(QRectF(tl, br)))  // on whole pixels
            << page << ": the band is whole in the window";
        EXPECT_TRUE(std::abs(br.x() - tl.x() - opened.width()) < 1 || std::abs(br.y() - tl.y() - opened.height()) < 1)
            << page << ": the band fills the window";
        if (std::string(page) == "Form2") {
            EXPECT_GT(host.scale(), *exercise) << "the title page's art is smaller: it is drawn larger";
        } else {
            if (!exercise) exercise = host.scale();
            EXPECT_DOUBLE_EQ(host.scale(), *exercise) << page << ": one scale for the exercise pages";
        }
    }
    // F11: the whole display, then back to where it was.
    const QRect before = w->geometry();
    QTest::keyClick(w, Qt::Key_F11);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->isFullScreen());
    EXPECT_EQ(w->geometry(), w->screen()->geometry());
    QTest::keyClick(w, Qt::Key_F11);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->isFullScreen());
    EXPECT_EQ(w->geometry(), before);
    // A size the teacher chose stays from page to page.
    w->resize(640, 480);
    nav.open("Form3");
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), QSize(640, 480));
}

TEST_F(Desktop, FocusIsShownOnlyOnceTheKeyboardIsUsed) {
    const QColor ring(0x2f, 0x7d, 0xc4);
    auto showsRing = [&](ControlId c) {
        const QImage img = host.nativeWidget(c)->grab().toImage();
        for (int x = 0; x < img.width(); ++x) {
            if (QColor(img.pixel(x, 0)) == ring) return true;
        }
        return false;
    };
    // At load the first box has the keyboard focus, without a ring.
    ASSERT_EQ(screen().focus(), id("Check2"));
    EXPECT_TRUE(host.nativeWidget(id("Check2"))->hasFocus());
    EXPECT_FALSE(showsRing(id("Check2")));
    // Tab moves the focus on and from then on it shows.
    QTest::keyClick(host.nativeWidget(id("Check2")), Qt::Key_Tab);
    settle();
    EXPECT_EQ(screen().focus(), id("Check1"));
    EXPECT_TRUE(showsRing(id("Check1")));
    QTest::keyClick(host.nativeWidget(id("Check1")), Qt::Key_Space);
    EXPECT_EQ(screen().state(id("Check1")).value, 1) << "the keyboard still ticks";
    // A text box focused by the pointer shows its caret but not the frame of
    // focus; after Tab it shows that frame.
    auto* edit = host.nativeWidget(id("Text1"));
    auto topRow = [&] {
        const QImage img = edit->grab().toImage();
        std::vector<QRgb> row;
        for (int x = 0; x < img.width(); ++x) row.push_back(img.pixel(x, 0));
        return row;
    };
    nav.open("Lab");
    settle();
    edit = host.nativeWidget(id("Text1"));
    const auto idle = topRow();
    QTest::mouseClick(win(), Qt::LeftButton, {}, centre("Text1"));
    settle();
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(topRow(), idle) << "no frame of focus after a click";
    QTest::keyClick(edit, Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_NE(topRow(), idle) << "the frame of focus after Tab";
    // A page opened afresh hides it again until the next Tab.
    nav.open("Lab");
    settle();
    EXPECT_TRUE(host.nativeWidget(id("Check2"))->hasFocus());
    EXPECT_FALSE(showsRing(id("Check2")));
}

TEST_F(Desktop, EscapeCancelsADrag) {
    const QPoint label = centre("Image3", 1);
    QTest::mouseMove(win(), label);
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    QTest::mouseMove(win(), centre("Image4", 0));
    settle();
    ASSERT_TRUE(nav.dragging());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : host.window(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(nav.dragging());
    QTest::mouseRelease(win(), Qt::LeftButton, {}, centre("Image4", 0));
    settle();
    EXPECT_TRUE(screen().state(id("Image4", 0)).picture.empty()) << "nothing is dropped";
    // With no control focused the window takes the key.
    QApplication::focusWidget()->clearFocus();
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    QTest::mouseMove(win(), centre("Image4", 1));
    ASSERT_TRUE(nav.dragging());
    QTest::keyClick(host.window(), Qt::Key_Escape);
    QTest::mouseRelease(win(), Qt::LeftButton, {}, centre("Image4", 1));
    settle();
    EXPECT_TRUE(screen().state(id("Image4", 1)).picture.empty());
    // A drag without Escape still drops.
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    QTest::mouseMove(win(), centre("Image4", 1));
    QTest::mouseRelease(win(), Qt::LeftButton, {}, centre("Image4", 1));
    settle();
    EXPECT_EQ(screen().state(id("Image4", 1)).picture, screen().state(id("Image3", 1)).picture);
}

// A real page with word labels (Form32's table) in the real window: its cards are drawn.
class WordLabels : public ::testing::Test {
protected:
    WordLabels() : store(assetsFolder()), host(store, QDir::tempPath(), testOptions()), nav(host, screenRegistry()) {
        host.attach(&nav);
        nav.open("Form32");
        host.window()->activateWindow();
        QApplication::setActiveWindow(host.window());
        QCoreApplication::processEvents();
    }
    QWindow* win() { return host.window()->windowHandle(); }
    ControlId id(std::string_view n, std::optional<int> i = {}) { return nav.current()->findQuiet(n, i).value(); }
    QPoint at(Twips x, Twips y) { return host.toWindow(x, y).toPoint(); }
    // Label 0 of the table, in window pixels.
    QRectF labelRect() { return QRectF(host.toWindow(2400, 6240), host.toWindow(2400 + 1500, 6240 + 270)); }
    void settle() { QCoreApplication::processEvents(); }

    SvgAssetStore store;
    DesktopHost host;
    Navigator nav;
};

// The window's own timer wakes the course: half a second on a label shows
// its card, larger, in a bubble standing 18 pixels or more above it inside the
// window, at the window's scale; leaving the label or pressing on it hides it.
TEST_F(WordLabels, ALabelRestedOnShowsItsLoupeAboveItInsideTheWindow) {
    host.window()->resize(1400, 1000);  // a larger scale than the design's
    settle();
    const QImage before = host.window()->grab().toImage();
    const QPoint label = labelRect().center().toPoint();
    QTest::mouseMove(win(), label);
    settle();
    EXPECT_EQ(host.loupeShown(), std::nullopt);
    QTRY_COMPARE_WITH_TIMEOUT(host.loupeShown(), std::optional<ControlId>(id("Image3", 0)), 3000);
    const QRect bubble = host.loupeRect();
    // The card is drawn at whole pixels, its top rounded.
    EXPECT_LE(bubble.bottom() + 1 + 18, std::lround(labelRect().top())) << "18 window pixels or more above the label";
    EXPECT_TRUE(host.window()->rect().contains(bubble));
    EXPECT_GT(bubble.height(), 1.9 * labelRect().height()) << "the card is shown larger";
    // Drawn: the bubble's place differs from the page as it was.
    const QImage with = host.window()->grab().toImage();
    int changed = 0, all = 0;
    for (int y = bubble.top() + 1; y < bubble.bottom(); y += 2) {
        for (int x = bubble.left() + 1; x < bubble.right(); x += 2) {
            changed += with.pixel(x, y) != before.pixel(x, y);
            ++all;
        }
    }
    EXPECT_GT(changed, all / 4);

    QTest::mouseMove(win(), at(7680, 4500));  // the page's picture, no label there
    settle();
    EXPECT_EQ(host.loupeShown(), std::nullopt);
    EXPECT_TRUE(host.loupeRect().isEmpty());

    QTest::mouseMove(win(), label);
    QTRY_VERIFY_WITH_TIMEOUT(host.loupeShown().has_value(), 3000);
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    settle();
    EXPECT_TRUE(nav.dragging());
    EXPECT_EQ(host.loupeShown(), std::nullopt) << "a drag's start hides it";
    QTest::mouseRelease(win(), Qt::LeftButton, {}, label);
    settle();
}

// While a label is dragged its card goes with the pointer at its full size.
TEST_F(WordLabels, TheDraggedCardFollowsThePointerAtItsFullSize) {
    const QRect card = labelRect().toRect();
    const QPoint label = card.center();
    const QPoint shift(150, 0);  // to the right, over the table
    const QImage page = host.window()->grab().toImage();
    QTest::mouseMove(win(), label);
    QTest::mousePress(win(), Qt::LeftButton, {}, label);
    QTest::mouseMove(win(), label + shift);
    settle();
    ASSERT_TRUE(nav.dragging());
    const QImage during = host.window()->grab().toImage();
    // The ink of the card's words, moved with the pointer, stands where it is now.
    // The core of each stroke; drawn over the page a little transparent, it stays darker than the page.
    auto dark = [](const QColor& c, int below) { return c.red() + c.green() + c.blue() < below; };
    int ink = 0, carried = 0;
    for (int y = card.top() + 3; y < card.bottom() - 2; ++y) {
        for (int x = card.left() + 3; x < card.right() - 2; ++x) {
            if (!dark(page.pixelColor(x, y), 200)) continue;
            ++ink;
            carried += dark(during.pixelColor(x + shift.x(), y + shift.y()), 450);
        }
    }
    ASSERT_GT(ink, 20);
    EXPECT_GT(carried, ink * 8 / 10) << "the carried card matches the label, at its size and under the pointer";
    QTest::mouseRelease(win(), Qt::LeftButton, {}, label + shift);
    settle();
}

// F11 is the window's, wherever the focus is: in a text box it toggles full
// screen and types nothing; with no control focused the window takes it.
TEST_F(Desktop, F11TogglesFullScreenFromAControlAsFromTheWindow) {
    QWidget* w = host.window();
    auto* edit = static_cast<QLineEdit*>(host.nativeWidget(id("Text1")));
    QTest::mouseClick(win(), Qt::LeftButton, {}, centre("Text1"));
    settle();
    ASSERT_TRUE(edit->hasFocus());
    const QRect before = w->geometry();
    QTest::keyClick(edit, Qt::Key_F11);
    settle();
    EXPECT_TRUE(w->isFullScreen());
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(screen().state(id("Text1")).text, "");
    QTest::keyClick(edit, Qt::Key_F11);
    settle();
    EXPECT_FALSE(w->isFullScreen());
    EXPECT_EQ(w->geometry(), before);
    edit->clearFocus();
    QTest::keyClick(w, Qt::Key_F11);
    settle();
    EXPECT_TRUE(w->isFullScreen());
    host.toggleFullScreen();
    settle();
    EXPECT_FALSE(w->isFullScreen());
}

TEST_F(Desktop, TheTextBoxMenuSpeaksArabicRightToLeft) {
    ASSERT_TRUE(installArabicTranslations()) << "qt6-translations-l10n is not installed";
    auto* edit = static_cast<QLineEdit*>(host.nativeWidget(id("Text1")));
    edit->setFocus();
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(edit, &ev);
    settle();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->layoutDirection(), Qt::RightToLeft);
    int arabic = 0;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        const QString text = a->text();
        EXPECT_FALSE(text.contains(QStringLiteral("Paste")) || text.contains(QStringLiteral("Copy")) ||
                     text.contains(QStringLiteral("Select All")))
            << text.toStdString();
        for (const QChar ch : text) {
            if (ch.unicode() >= 0x0600 && ch.unicode() <= 0x06FF) {
                ++arabic;
                break;
            }
        }
    }
    EXPECT_GE(arabic, 5) << "undo, redo, cut, copy, paste, delete, select all";
    menu->close();
    settle();
    // The page's own controls stay where its coordinates put them.
    EXPECT_EQ(host.nativeWidget(id("Check1"))->geometry(), QRectF(host.toWindow(600, 600), host.toWindow(975, 975)).toRect());
}

// The program defers its fonts until the title page's first frame, drawn
// from the copies the build drew; a first page that needs them has them first.
TEST(DesktopStartup, TheTitlePageIsDrawnBeforeTheDeferredWorkAndRenderingAheadWaitsForIt) {
    struct Case {
        const char* page;
        bool drawnFirst;  // the first frame comes before the deferred work
    };
    for (const Case c : {Case{"Form2", true}, Case{"Form13", false}, Case{"Form1", false}}) {
        SCOPED_TRACE(c.page);
        SvgAssetStore store(assetsFolder());
        int runs = 0;
        long framesBefore = -1, rendersBefore = -1;
        DesktopHost* hostSeen = nullptr;
        DesktopHost::Options options{.quitOnEnd = false, .recordPrograms = true, .fitToScreen = false};
        options.afterFirstFrame = [&] {
            ++runs;
            framesBefore = hostSeen->framesDrawn();
            rendersBefore = store.renderCount();
        };
        DesktopHost host(store, QDir::tempPath(), options);
        hostSeen = &host;
        Navigator nav(host, screenRegistry());
        host.attach(&nav);
        if (std::string(c.page) == "Form2")
            nav.start();
        else
            nav.open(c.page);
        QElapsedTimer waited;
        waited.start();
        while ((host.framesDrawn() == 0 || !host.startupFinished()) && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_EQ(runs, 1);
        if (c.drawnFirst) {
            EXPECT_GE(framesBefore, 1);
            EXPECT_EQ(rendersBefore, 0) << "neither the page nor the pages ahead rendered before it";
        } else {
            EXPECT_EQ(framesBefore, 0);
        }
        // Then the pages ahead are rendered.
        store.waitForPrerender();
        EXPECT_GT(store.renderCount(), rendersBefore);
        if (std::string(c.page) == "Form2") {
            EXPECT_FALSE(host.window()->windowIcon().isNull()) << "set with the deferred work";
        }
        nav.windowClosed();
    }
}

TEST(DesktopTitles, TheWindowShowsTheProgramAndThePageTitle) {
    SvgAssetStore store(assetsFolder());
    DesktopHost host(store, QDir::tempPath(), {.quitOnEnd = false, .recordPrograms = true, .fitToScreen = false});
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    for (const auto& e : screenRegistry()) {
        nav.open(e.name);
        const QString title = host.window()->windowTitle();
        EXPECT_EQ(title, QString::fromUtf8("نظام — ") + QString::fromUtf8(pageTitle(e.name).data(), static_cast<qsizetype>(pageTitle(e.name).size())));
        EXPECT_FALSE(title.contains(QStringLiteral("Form"))) << title.toStdString();
    }
    EXPECT_EQ(windowTitle("Form3"), "نظام — وضعية مشكلة");
    EXPECT_EQ(windowTitle("Form22"), "نظام — إدراك الحاجة");
}

TEST(DesktopTitles, EveryPageHasItsOwnArabicTitle) {
    std::set<std::string_view> seen;
    for (int n = 1; n <= 41; ++n) {
        const std::string name = "Form" + std::to_string(n);
        const std::string_view t = pageTitle(name);
        ASSERT_FALSE(t.empty()) << name;
        EXPECT_TRUE(seen.insert(t).second) << name << " repeats " << t;
        const QString q = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
        EXPECT_EQ(q, q.trimmed()) << name;
        EXPECT_TRUE(q.isRightToLeft()) << name;
        EXPECT_FALSE(q.contains(QStringLiteral("  "))) << name;
    }
    for (const char* bad : {"Form0", "Form42", "Form", "Form03", "Lab", "Form4x", ""}) EXPECT_TRUE(pageTitle(bad).empty()) << bad;
    EXPECT_EQ(windowTitle("Lab"), "نظام");
}

TEST_F(Desktop, ClosingTheWindowActsAsQuit) {
    host.window()->close();
    settle();
    EXPECT_TRUE(nav.ended());
    EXPECT_EQ(nav.current(), nullptr);
}

}  // namespace
}  // namespace nizam::platform

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nizam::platform::setUpProcess();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
