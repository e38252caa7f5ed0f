// SPDX-License-Identifier: GPL-3.0-or-later
// The page pictures against the screens that show them, read with Qt SVG as
// the program renders them: every drawing that stands for a control lies on
// that control, no printed text hides under a native box, repeated drawings
// are exact copies of their one source, and the texts an answer key expects
// are printed (or carried by the labels) exactly as the key spells them.
//
// Marks: an element id named after a control, `Image1_4` for Image1(4) and
// `Check3`, `Text1` for single controls (see docs/art-kit.md).
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <set>

#include "app/registry.h"
#include "screens/page.h"
#include "platform/fonts.h"
#include "platform/svg_asset_store.h"

namespace nizam::platform {
namespace {

QString assetsFolder() { return QStringLiteral(NIZAM_ASSETS_DIR); }

// Tolerances in twips.
constexpr double kOnSpot = 2 * kTwipsPerPixel;      // a drawing may pass its hot-spot by this much
constexpr double kRowSlack = 6 * kTwipsPerPixel;    // a word's middle and its box's middle, vertically
constexpr double kWordGap = 24 * kTwipsPerPixel;    // at most this far from its box
constexpr double kFrameSlack = 14 * kTwipsPerPixel; // a frame no wider than its text box by more than this

// A picture loaded as the program draws it, with every <text> given an id
// (kept where it has one) so that its bounds can be asked for.
class SvgPicture {
public:
    explicit SvgPicture(const QByteArray& source) {
        static const QRegularExpression textTag(QStringLiteral("<text\\b([^>]*)>"));
        QString svg = QString::fromUtf8(source);
        QString out;
        qsizetype last = 0;
        int n = 0;
        for (auto it = textTag.globalMatch(svg); it.hasNext();) {
            const auto m = it.next();
            out += svg.mid(last, m.capturedStart() - last);
            const QString attributes = m.captured(1);
            if (attributes.contains(QRegularExpression(QStringLiteral("\\bid\\s*=")))) {
                out += m.captured(0);
            } else {
                out += QStringLiteral("<text id=\"nz-text-%1\"%2>").arg(++n).arg(attributes);
            }
            last = m.capturedEnd();
        }
        out += svg.mid(last);
        data_ = out.toUtf8();
        renderer_ = std::make_unique<QSvgRenderer>(data_);
        readElements();
    }

    bool valid() const { return renderer_->isValid(); }
    bool has(const QString& id) const { return canonical_.contains(id); }
    const std::vector<std::pair<QString, QString>>& texts() const { return texts_; }  // id, content
    // Every id that names a group, with the group written out in a canonical form.
    const std::map<QString, QString>& groups() const { return groupForms_; }

    // The painted area of an element in picture pixels: rendered on its own,
    // so a text counts by its glyphs, not its line box.
    QRectF inkBounds(const QString& id) const {
        const QRectF own = renderer_->boundsOnElement(id);
        if (own.isEmpty()) return {};
        constexpr double k = 4, margin = 4;
        QImage image(int(std::ceil((own.width() + 2 * margin) * k)), int(std::ceil((own.height() + 2 * margin) * k)),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            renderer_->render(&p, id, QRectF(margin * k, margin * k, own.width() * k, own.height() * k));
        }
        int x0 = image.width(), y0 = image.height(), x1 = -1, y1 = -1;
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) < 24) continue;
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
        }
        if (x1 < 0) return {};
        const QRectF ink(own.x() + x0 / k - margin, own.y() + y0 / k - margin, (x1 - x0 + 1) / k, (y1 - y0 + 1) / k);
        return toPixels(renderer_->transformForElement(id).mapRect(ink));
    }

    // The bounds Qt SVG reports, with the element's own and its parents' transforms.
    QRectF bounds(const QString& id) const {
        return toPixels(renderer_->transformForElement(id).mapRect(renderer_->boundsOnElement(id)));
    }

private:
    QRectF toPixels(const QRectF& user) const {
        const QRectF box = renderer_->viewBoxF();
        const QSize size = renderer_->defaultSize();
        if (box.isEmpty()) return user;
        const double sx = size.width() / box.width(), sy = size.height() / box.height();
        return QRectF((user.x() - box.x()) * sx, (user.y() - box.y()) * sy, user.width() * sx, user.height() * sy);
    }

    // One pass over the document: the content of every <text>, and every
    // element with an id written out with sorted attributes and no layout
    // white space, so that two copies of a drawing compare equal.
    void readElements() {
        QXmlStreamReader xml(data_);
        struct Open {
            QString id;
            QString form;
        };
        std::vector<Open> stack;
        QString textId, textContent;
        int inText = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                QStringList attributes;
                for (const auto& a : xml.attributes()) {
                    if (a.qualifiedName() == u"id" && a.value().startsWith(u"nz-text-")) continue;  // ours, not the art's
                    attributes << a.qualifiedName().toString() + "=" + a.value().toString();
                }
                attributes.sort();
                const QString tag = "<" + xml.name().toString() + " " + attributes.join(' ') + ">";
                for (auto& o : stack) o.form += tag;
                // A copy is placed by its own transform: the group's form leaves it out.
                attributes.removeIf([](const QString& a) { return a.startsWith("transform="); });
                stack.push_back({xml.attributes().value("id").toString(), "<" + xml.name().toString() + " " + attributes.join(' ') + ">"});
                if (xml.name() == u"text") {
                    if (inText++ == 0) textId = stack.back().id, textContent.clear();
                }
            } else if (xml.isEndElement()) {
                const QString tag = "</" + xml.name().toString() + ">";
                Open done = stack.back();
                stack.pop_back();
                done.form += tag;
                for (auto& o : stack) o.form += tag;
                if (!done.id.isEmpty()) {
                    canonical_.insert(done.id);
                    if (xml.name() == u"g") groupForms_[done.id] = done.form;
                }
                if (xml.name() == u"text" && --inText == 0) texts_.emplace_back(textId, textContent);
            } else if (xml.isCharacters() && !xml.isWhitespace()) {
                for (auto& o : stack) o.form += xml.text().toString().simplified();
                if (inText > 0) textContent += xml.text().toString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }

    QByteArray data_;
    std::unique_ptr<QSvgRenderer> renderer_;
    QSet<QString> canonical_;
    std::map<QString, QString> groupForms_;
    std::vector<std::pair<QString, QString>> texts_;
};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A picture of a page: drawn by the screen itself (under pages/),
// not one of the shared figures, highlights or cards.
struct PagePicture {
    const ScreenDef* screen;
    const ControlDef* control;
    QString file;
    std::shared_ptr<SvgPicture> svg;

    // Picture pixels to the screen's twips, through the control's rectangle.
    QRectF toTwips(const QRectF& px) const {
        const double sx = double(control->rect.width) / control->picture->width;
        const double sy = double(control->rect.height) / control->picture->height;
        return QRectF(control->rect.left + px.x() * sx, control->rect.top + px.y() * sy, px.width() * sx, px.height() * sy);
    }
};

std::vector<PagePicture> pagePictures(const ScreenDef& d, const SvgAssetStore& store) {
    static std::map<QString, std::shared_ptr<SvgPicture>> loaded;
    std::vector<PagePicture> pictures;
    for (const ControlDef& c : d.controls) {
        if (!c.picture) continue;
        for (const QString& file : store.files(assetKey(d, c, "Picture"))) {
            if (!file.startsWith("pages/")) continue;
            auto& svg = loaded[file];
            if (!svg) svg = std::make_shared<SvgPicture>(readFile(assetsFolder() + "/" + file));
            pictures.push_back({&d, &c, file, svg});
        }
    }
    return pictures;
}

QString markId(const ControlDef& c) {
    return QString::fromStdString(c.name) + (c.index ? "_" + QString::number(*c.index) : QString());
}

QRectF rectOf(const ControlDef& c) { return QRectF(c.rect.left, c.rect.top, c.rect.width, c.rect.height); }

const ControlDef* findControl(const ScreenDef& d, std::string_view name, std::optional<int> index) {
    for (const ControlDef& c : d.controls)
        if (c.name == name && c.index == index) return &c;
    return nullptr;
}

std::string describe(const QRectF& r) {
    return QString("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// What a mark must satisfy, by the kind of control it stands for; empty when it does.
std::string misplacement(const ScreenDef& d, const ControlDef& c, const QRectF& mark) {
    const QRectF own = rectOf(c);
    switch (c.kind) {
        case Kind::CheckBox: {
            // On the box's row, wholly to one side of it and close to it (which
            // side, the page's other words decide).
            if (std::abs(mark.center().y() - own.center().y()) > kRowSlack) return "its word is not on the box's row";
            const double gap = mark.center().x() < own.center().x() ? own.left() - mark.right() : mark.left() - own.right();
            if (gap < -kOnSpot) return "its word runs under the box";
            if (gap > kWordGap) return "its word is too far from the box";
            return {};
        }
        case Kind::TextBox:
            if (!mark.adjusted(-kOnSpot, -kOnSpot, kOnSpot, kOnSpot).contains(own)) return "its frame does not surround the box";
            if (!own.adjusted(-kFrameSlack, -kFrameSlack, kFrameSlack, kFrameSlack).contains(mark)) return "its frame is far wider than the box";
            return {};
        default: {
            // A drawing under its hot-spot; where the highlight is larger, it may
            // fill the highlight, which covers it exactly when shown.
            QRectF allowed = own;
            if (c.name == "Image1" && c.index) {
                if (const ControlDef* hl = findControl(d, "Image2", c.index)) allowed = allowed.united(rectOf(*hl));
            }
            if (!own.contains(mark.center())) return "its middle is off the control";
            if (!allowed.adjusted(-kOnSpot, -kOnSpot, kOnSpot, kOnSpot).contains(mark)) return "it passes the control's edge";
            return {};
        }
    }
}

// The built screens and the folder's manifests, as the program has them.
class Art : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        registerBundledFonts(QDir(assetsFolder()).absoluteFilePath(".."));
        store_ = new SvgAssetStore(assetsFolder());
    }
    static void TearDownTestSuite() { delete store_; }
    static std::vector<const ScreenModule*> built() {
        std::vector<const ScreenModule*> modules;
        for (const auto& e : screenRegistry()) modules.push_back(e.module);
        return modules;
    }
    static SvgAssetStore* store_;
};
SvgAssetStore* Art::store_ = nullptr;

TEST_F(Art, BoundsFollowEveryTransformAndTextCountsByItsGlyphs) {
    SvgPicture svg(
        "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='50' viewBox='0 0 200 100'>"
        "<g transform='translate(20,10)'><g id='a' transform='translate(10,0)'><rect x='0' y='0' width='20' height='10'/></g></g>"
        "<text x='190' y='80' font-family='DejaVu Sans' font-size='20' text-anchor='end'>x</text></svg>");
    ASSERT_TRUE(svg.valid());
    const QRectF a = svg.bounds("a");
    EXPECT_NEAR(a.x(), 15, 0.01);  // (20 + 10) / 2: the view box halves every length
    EXPECT_NEAR(a.y(), 5, 0.01);
    EXPECT_NEAR(a.width(), 10, 0.01);
    ASSERT_EQ(svg.texts().size(), 1u);
    const QRectF x = svg.inkBounds(svg.texts()[0].first);
    EXPECT_LE(x.right(), 95.5);   // anchored at its end, 190 / 2
    EXPECT_GE(x.right(), 92);
    EXPECT_LE(x.bottom(), 40.5);  // a small x sits on its baseline, 80 / 2
    EXPECT_GT(x.top(), 33);       // and has no ascender
}

TEST_F(Art, EveryMarkLiesOnItsControl) {
    for (const ScreenModule* m : built()) {
        const ScreenDef& d = m->def;
        std::map<bool, std::string> sides;  // word left of its box? -> the first box that says so
        for (const PagePicture& pic : pagePictures(d, *store_)) {
            ASSERT_TRUE(pic.svg->valid()) << pic.file.toStdString();
            for (const ControlDef& c : d.controls) {
                const QString id = markId(c);
                if (c.kind == Kind::Line || c.kind == Kind::Timer || !pic.svg->has(id)) continue;
                const QRectF mark = pic.toTwips(pic.svg->inkBounds(id));
                ASSERT_FALSE(mark.isEmpty()) << d.name << " " << pic.file.toStdString() << " #" << id.toStdString() << " draws nothing";
                const std::string fault = misplacement(d, c, mark);
                EXPECT_TRUE(fault.empty()) << d.name << " " << c.displayName() << " in " << pic.file.toStdString() << ": "
                                           << fault << "; mark " << describe(mark) << ", control " << describe(rectOf(c));
                if (c.kind == Kind::CheckBox) sides.emplace(mark.center().x() < rectOf(c).center().x(), c.displayName());
            }
        }
        EXPECT_LE(sides.size(), 1u) << d.name << ": the word of " << sides[true] << " stands left of its box, the word of "
                                    << sides[false] << " right of its box";
    }
}

TEST_F(Art, EveryKitButtonIsDrawnUnderItsHotSpot) {
    for (const ScreenModule* m : built()) {
        const ScreenDef& d = m->def;
        const auto pictures = pagePictures(d, *store_);
        for (const ControlDef& c : d.controls) {
            if (c.name != "Image1" || !c.index) continue;
            // A hot-spot that lies wholly outside the client area is never seen; nothing is drawn for it.
            if (!rectOf(c).intersects(QRectF(0, 0, d.clientWidth, d.clientHeight))) continue;
            const ControlDef* hl = findControl(d, "Image2", c.index);
            if (!hl) continue;
            const QStringList files = store_->files(assetKey(d, *hl, "Picture"));
            if (files.isEmpty() || !files.first().startsWith("kit/")) continue;
            const bool drawn = std::any_of(pictures.begin(), pictures.end(),
                                           [&](const PagePicture& p) { return p.svg->has(markId(c)); });
            EXPECT_TRUE(drawn) << d.name << " " << c.displayName() << " has no drawing #" << markId(c).toStdString()
                               << " in its page picture";
        }
    }
}

// The page picture of a screen: the largest of its pictures drawn for the page itself.
const PagePicture* pageOf(const std::vector<PagePicture>& pictures) {
    const PagePicture* page = nullptr;
    for (const PagePicture& p : pictures) {
        const auto area = [](const PagePicture& q) { return double(q.control->rect.width) * q.control->rect.height; };
        if (!page || area(p) > area(*page)) page = &p;
    }
    return page;
}

// Nothing that stands for a control (a toolbar button, the close corner, a
// box's word) is cut by the edge of the picture it is drawn in: past that
// edge the window shows the form's plain background, not the drawing.
TEST_F(Art, EveryMarkLiesInsideItsPicture) {
    for (const ScreenModule* m : built()) {
        const ScreenDef& d = m->def;
        for (const PagePicture& pic : pagePictures(d, *store_)) {
            const QRectF inside = QRectF(0, 0, pic.control->picture->width, pic.control->picture->height)
                                      .adjusted(-0.5, -0.5, 0.5, 0.5);
            for (const ControlDef& c : d.controls) {
                const QString id = markId(c);
                if (c.kind == Kind::Line || c.kind == Kind::Timer || !pic.svg->has(id)) continue;
                const QRectF ink = pic.svg->inkBounds(id);
                EXPECT_TRUE(ink.isEmpty() || inside.contains(ink))
                    << d.name << " " << pic.file.toStdString() << " #" << id.toStdString() << " " << describe(ink)
                    << " passes the edge of its " << pic.control->picture->width << " x " << pic.control->picture->height
                    << " picture";
            }
        }
    }
}

// A drop target takes the size of the label dropped on it (its picture is not
// stretched). Each target is laid out for the labels nearest its own size (the
// letters of a letter slot, not a pool's long sentences): holding any of them,
// it must lie on the page picture, or the label hangs past the page's edge.
// The one exception is kept as its design places it: Form33's washing-machine
// input lies where the page's edge cuts the label; moving it is a change of
// the screen's design, not of its art.
const std::set<std::string> kOverhangingTargets = {"Form33 Image4(0)"};

TEST_F(Art, EveryDropTargetHoldsItsLabelsInsideThePage) {
    int targets = 0;
    std::set<std::string> overhanging;
    for (const ScreenModule* m : built()) {
        const ScreenDef& d = m->def;
        const auto pictures = pagePictures(d, *store_);
        const PagePicture* page = pageOf(pictures);
        if (!page) continue;
        const QRectF pageRect = rectOf(*page->control).adjusted(-kOnSpot, -kOnSpot, kOnSpot, kOnSpot);
        std::vector<const ControlDef*> labels;
        for (const ControlDef& c : d.controls)
            if (c.kind == Kind::Image && c.dragMode == 1 && c.picture) labels.push_back(&c);
        ScreenLogic logic;
        attachPage(*m, logic);
        for (const Address& a : logic.addresses()) {
            if (a.event != "DragDrop") continue;
            for (const ControlDef& t : d.controls) {
                if (t.name != a.control || !a.elements.serves(t.index.value_or(kNoIndex))) continue;
                // A target parked off the client area is never seen and takes no part.
                if (!rectOf(t).intersects(QRectF(0, 0, d.clientWidth, d.clientHeight))) continue;
                ++targets;
                const std::string name = d.name + " " + t.displayName();
                const auto distance = [&](const ControlDef* l) {
                    return std::abs(l->rect.width - t.rect.width) + std::abs(l->rect.height - t.rect.height);
                };
                int nearest = std::numeric_limits<int>::max();
                for (const ControlDef* l : labels) nearest = std::min(nearest, distance(l));
                std::string fault;
                if (!pageRect.contains(rectOf(t))) fault = "it " + describe(rectOf(t));
                for (const ControlDef* l : labels) {
                    if (!fault.empty()) break;
                    const QRectF held(t.rect.left, t.rect.top, l->picture->width * kTwipsPerPixel,
                                      l->picture->height * kTwipsPerPixel);
                    if (distance(l) == nearest && !pageRect.contains(held))
                        fault = "holding " + l->displayName() + " it " + describe(held);
                }
                if (fault.empty()) continue;
                overhanging.insert(name);
                EXPECT_TRUE(kOverhangingTargets.count(name))
                    << name << ": " << fault << " passes the page picture " << describe(rectOf(*page->control));
            }
        }
    }
    EXPECT_GT(targets, 0) << "no drop target was found";
    for (const std::string& name : kOverhangingTargets)
        EXPECT_TRUE(overhanging.count(name)) << name << " lies on the page now: take it off the list of exceptions";
}

TEST_F(Art, NoPrintedTextLiesUnderANativeControl) {
    for (const ScreenModule* m : built()) {
        const ScreenDef& d = m->def;
        for (const PagePicture& pic : pagePictures(d, *store_)) {
            for (const auto& [id, content] : pic.svg->texts()) {
                const QRectF ink = pic.toTwips(pic.svg->inkBounds(id));
                if (ink.isEmpty()) continue;
                for (const ControlDef& c : d.controls) {
                    // Native boxes, labels and opaque frames are drawn over the picture.
                    const bool covers = c.kind == Kind::CheckBox || c.kind == Kind::TextBox || c.kind == Kind::Label ||
                                        (c.kind == Kind::Shape && c.backStyle == 1);
                    if (!covers || !c.visible) continue;
                    EXPECT_FALSE(ink.intersects(rectOf(c)))
                        << d.name << " " << pic.file.toStdString() << ": «" << content.toStdString() << "» " << describe(ink)
                        << " lies under " << c.displayName() << " " << describe(rectOf(c));
                }
            }
        }
    }
}

// The verdict figures and the question-mark figure are opaque pictures shown
// over the page: no printed word may lie under one, hidden when it appears.
TEST_F(Art, NoPrintedTextLiesUnderAFigure) {
    int figures = 0;
    for (const ScreenModule* m : built()) {
        const ScreenDef& d = m->def;
        std::vector<const ControlDef*> shown;
        for (const ControlDef& c : d.controls) {
            if (c.kind != Kind::Image || !c.picture) continue;
            const QStringList files = store_->files(assetKey(d, c, "Picture"));
            if (!files.isEmpty() && (files.first().startsWith("exercise/verdict_") || files.first().startsWith("exercise/question_")))
                shown.push_back(&c);
        }
        figures += int(shown.size());
        for (const PagePicture& pic : pagePictures(d, *store_)) {
            for (const auto& [id, content] : pic.svg->texts()) {
                const QRectF ink = pic.toTwips(pic.svg->inkBounds(id));
                if (ink.isEmpty()) continue;
                for (const ControlDef* f : shown) {
                    if (f > pic.control) continue;  // behind this picture (the controls run front-most first)
                    EXPECT_FALSE(ink.intersects(rectOf(*f)))
                        << d.name << " " << pic.file.toStdString() << ": «" << content.toStdString() << "» " << describe(ink)
                        << " lies under " << f->displayName() << " " << describe(rectOf(*f));
                }
            }
        }
    }
    EXPECT_GT(figures, 0) << "no figure was found";
}

// Drawings used on many pages have one source: the kit's idle buttons and the
// shared band drawings. Each file holds one group; every page copy of that
// group must be the same group.
TEST_F(Art, RepeatedDrawingsAreExactCopiesOfTheirSource) {
    std::map<QString, std::pair<QString, QString>> sources;  // group id -> file, form
    for (const QString& folder : {QStringLiteral("kit/idle"), QStringLiteral("drawings")}) {
        const QDir dir(assetsFolder() + "/" + folder);
        for (const QString& f : dir.entryList({"*.svg"}, QDir::Files)) {
            SvgPicture svg(readFile(dir.filePath(f)));
            for (const auto& [id, form] : svg.groups()) {
                if (sources.count(id)) continue;
                const QString stem = QFileInfo(f).completeBaseName();
                if (id == "kit-" + stem || id == stem) sources[id] = {folder + "/" + f, form};
            }
        }
    }
    ASSERT_GE(sources.size(), 12u) << "the kit's idle drawings are missing";
    int copies = 0;
    for (const ScreenModule* m : built()) {
        for (const PagePicture& pic : pagePictures(m->def, *store_)) {
            for (const auto& [id, form] : pic.svg->groups()) {
                auto it = sources.find(id);
                if (it == sources.end()) continue;
                ++copies;
                const QString& source = it->second.second;
                qsizetype at = 0;
                while (at < form.size() && at < source.size() && form[at] == source[at]) ++at;
                EXPECT_TRUE(form == source) << pic.file.toStdString() << ": #" << id.toStdString() << " differs from "
                                            << it->second.first.toStdString() << " from «"
                                            << form.mid(std::max<qsizetype>(0, at - 40), 120).toStdString() << "»";
            }
        }
    }
    EXPECT_GT(copies, 0);
}

// Unicode-normalised, one space between words.
QString normalised(const QString& s) { return s.normalized(QString::NormalizationForm_KC).simplified(); }
QString normalised(std::string_view s) { return normalised(QString::fromUtf8(s.data(), qsizetype(s.size()))); }

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

// `needle` inside `hay`, not as part of a longer word.
bool containsWord(const QString& hay, const QString& needle) {
    for (qsizetype at = hay.indexOf(needle); at >= 0; at = hay.indexOf(needle, at + 1)) {
        const qsizetype end = at + needle.size();
        const bool before = at == 0 || !isWordChar(hay[at - 1]);
        const bool after = end == hay.size() || !isWordChar(hay[end]);
        if (before && after) return true;
    }
    return false;
}

TEST(AnswerTexts, WholeWordsAfterNormalisation) {
    const QString printed = normalised(QStringLiteral("جهاز إنذار، مذياع"));
    EXPECT_TRUE(containsWord(printed, normalised(std::string_view("جهاز إنذار"))));
    EXPECT_FALSE(containsWord(printed, normalised(std::string_view("جهاز انذار"))));  // hamza differs
    EXPECT_FALSE(containsWord(printed, normalised(std::string_view("إنذا"))));        // part of a word
    EXPECT_TRUE(containsWord(normalised(QStringLiteral("\uFEE3\uFEAC\uFEF4\uFE8E\uFECB")),  // presentation forms
                             normalised(std::string_view("مذياع"))));
}

TEST_F(Art, EveryTextAKeyExpectsIsPrintedAsTheKeySpellsIt) {
    for (const ScreenModule* m : built()) {
        if (m->answers.shown.empty()) continue;
        std::vector<QString> printed;
        for (const PagePicture& pic : pagePictures(m->def, *store_))
            for (const auto& [id, content] : pic.svg->texts()) printed.push_back(normalised(content));
        for (std::string_view wanted : m->answers.shown) {
            const QString w = normalised(wanted);
            const bool found = std::any_of(printed.begin(), printed.end(), [&](const QString& p) { return containsWord(p, w); });
            EXPECT_TRUE(found) << m->def.name << ": no picture of the page prints «" << wanted << "»";
        }
    }
}

// The text a card shows, its markup taken away: "{red,sub:3}" shows "3",
// "\n" breaks the line, "\{", "\}" and "\\" are the characters themselves.
QString shownText(const QString& cell) {
    QString out;
    bool inRun = false;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c == '\\' && i + 1 < cell.size()) {
            const QChar next = cell[++i];
            out += next == 'n' ? QChar('\n') : next;
        } else if (c == '{' && !inRun) {
            const qsizetype colon = cell.indexOf(':', i);
            if (colon < 0) return cell;  // not markup: the card setter refuses such a table
            i = colon;
            inRun = true;
        } else if (c == '}' && inRun) {
            inRun = false;
        } else {
            out += c;
        }
    }
    return out;
}

// The card tables, one in each page folder that has labels: card file name ->
// the text the card shows.
std::map<QString, QString> cardTexts() {
    std::map<QString, QString> texts;
    QDirIterator it(QStringLiteral(NIZAM_SCREENS_DIR), {QStringLiteral("cards.tsv")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        for (const QString& line : QString::fromUtf8(readFile(it.next())).split('\n')) {
            if (line.startsWith('#') || line.trimmed().isEmpty()) continue;
            const QStringList cells = line.split('\t');
            if (cells.size() >= 4) texts["cards/" + cells[0] + ".svg"] = shownText(cells[3]);
        }
    }
    return texts;
}

TEST_F(Art, EveryLabelAKeyNamesCarriesItsText) {
    const auto cards = cardTexts();
    for (const ScreenModule* m : built()) {
        const ScreenDef& d = m->def;
        std::set<QString> seen;
        for (const LabelText& label : m->answers.labels) {
            const std::string name = std::string(label.control) + "(" + std::to_string(label.index) + ")";
            const ControlDef* c = findControl(d, label.control, label.index);
            ASSERT_TRUE(c && c->picture) << d.name << " declares a text for " << name << ", which has no picture";
            const QStringList files = store_->files(assetKey(d, *c, "Picture"));
            ASSERT_FALSE(files.isEmpty()) << d.name << " " << name;
            auto card = cards.find(files.first());
            ASSERT_NE(card, cards.end()) << d.name << " " << name << ": " << files.first().toStdString() << " is set from no card table";
            EXPECT_EQ(normalised(card->second), normalised(label.text))
                << d.name << " " << name << ": the card reads «" << card->second.toStdString() << "», the key expects «"
                << label.text << "»";
            EXPECT_TRUE(seen.insert(normalised(label.text)).second) << d.name << ": two labels read «" << label.text << "»";
        }
    }
}

}  // namespace
}  // namespace nizam::platform
