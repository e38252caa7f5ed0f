// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/svg_asset_store.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>

#include "runtime/diagnostics.h"

namespace nizam::platform {

namespace {

// The page whose pictures a manifest maps: "form12.tsv" -> "Form12".
QString pageOfManifest(const QString& fileName) {
    QString page = QFileInfo(fileName).completeBaseName();
    if (!page.isEmpty()) page[0] = page[0].toUpper();
    return page;
}
QString cacheKeyOf(const std::string& key, QSize size) {
    return QString::fromStdString(key) + '@' + QString::number(size.width()) + 'x' + QString::number(size.height());
}
}  // namespace

SvgAssetStore::SvgAssetStore(const QString& assetsFolder, std::size_t cacheBudget)
    : folder_(assetsFolder), baseBudget_(cacheBudget), budget_(cacheBudget) {
    pool_.setMaxThreadCount(1);
    const QDir dir(assetsFolder + "/manifest");
    const QStringList names = dir.entryList({"*.tsv"}, QDir::Files, QDir::Name);
    if (!QFileInfo(assetsFolder).isDir()) {
        errors_.append(QStringLiteral("the pictures folder %1 is missing: the pages show without their pictures")
                           .arg(assetsFolder));
        quiet_ = true;
    } else if (names.isEmpty()) {
        errors_.append(QStringLiteral("no picture manifest (*.tsv) in %1: the pages show without their pictures")
                           .arg(dir.path()));
        quiet_ = true;
    }
    QHash<QString, QString> givenAt;  // key -> "manifest/file.tsv:line"
    for (const QString& name : names) {
        QFile f(dir.filePath(name));
        if (QFileInfo(f).size() > kMaxFileBytes) {
            errors_.append(QStringLiteral("picture manifest %1 is larger than %2 bytes: not read")
                               .arg(f.fileName())
                               .arg(kMaxFileBytes));
            continue;
        }
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            errors_.append(QStringLiteral("cannot read picture manifest %1").arg(f.fileName()));
            continue;
        }
        QTextStream in(&f);
        int lineNumber = 0;
        int badLines = 0;
        int firstBad = 0;
        while (!in.atEnd()) {
            ++lineNumber;
            const QString line = in.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#')) continue;
            const QString place = QStringLiteral("manifest/%1:%2").arg(name).arg(lineNumber);
            QStringList parts = line.split('\t', Qt::SkipEmptyParts);
            if (parts.size() < 2) {
                // A damaged file would give a line for each of its lines: they are counted.
                if (badLines++ == 0) firstBad = lineNumber;
                continue;
            }
            const QString key = parts.takeFirst();
            if (auto it = givenAt.find(key); it != givenAt.end()) {
                errors_.append(QStringLiteral("picture key %1 is given twice: %2 and %3").arg(key, *it, place));
                continue;
            }
            givenAt.insert(key, place);
            manifest_.insert(key, parts);
        }
        // A damaged manifest is said in this one line, with its first bad
        // line; the pictures of its page it then fails to name are not told
        // one by one.
        if (badLines > 0) damagedPages_.insert(pageOfManifest(name));
        if (badLines == 1)
            errors_.append(QStringLiteral("manifest/%1:%2: a key without a picture file").arg(name).arg(firstBad));
        else if (badLines > 1)
            errors_.append(QStringLiteral("manifest/%1: %2 lines are not a key and its picture files (the first at line %3)")
                               .arg(name)
                               .arg(badLines)
                               .arg(firstBad));
    }
    if (manifest_.isEmpty() && !quiet_) {
        // Every manifest is damaged: one line says so, not one for each picture.
        errors_.append(QStringLiteral("the picture manifests in %1 name no picture: the pages show without their pictures")
                           .arg(dir.path()));
        quiet_ = true;
    }
    for (const QString& e : errors_) diagnostics::tell(e.toStdString());
    const QDir drawn(assetsFolder + "/prerendered");
    for (const QString& name : drawn.entryList({"*.argb"}, QDir::Files)) prerendered_.insert(name);
}

SvgAssetStore::~SvgAssetStore() { pool_.waitForDone(); }

bool SvgAssetStore::has(const std::string& key) const { return manifest_.contains(QString::fromStdString(key)); }

QStringList SvgAssetStore::files(const std::string& key) const { return sources(key); }

QStringList SvgAssetStore::sources(const std::string& key) const {
    const QString k = QString::fromStdString(key);
    auto it = manifest_.find(k);
    if (it != manifest_.end()) return *it;
    if (k.endsWith(QStringLiteral("_MouseIcon"))) return {QString::fromLatin1(kPointerIconFile)};
    return {};
}

std::vector<std::string> SvgAssetStore::keys() const {
    std::vector<std::string> out;
    for (auto it = manifest_.begin(); it != manifest_.end(); ++it) out.push_back(it.key().toStdString());
    return out;
}

namespace {
// The leading number of a length ("210mm", "1024", "1e9px"), or -1.
double leadingNumber(QStringView text) {
    text = text.trimmed();
    qsizetype n = 0;
    while (n < text.size() && (text[n].isDigit() || text[n] == '.' || text[n] == '-' || text[n] == '+' ||
                               text[n] == 'e' || text[n] == 'E'))
        ++n;
    bool ok = false;
    const double value = text.left(n).toDouble(&ok);
    return ok ? value : -1;
}
}  // namespace

QString SvgAssetStore::refusal(const QByteArray& content) {
    if (content.isEmpty()) return QStringLiteral("the file is empty");
    if (content.size() > kMaxFileBytes)
        return QStringLiteral("larger than %1 bytes").arg(kMaxFileBytes);
    // The whole document is read as XML first: a truncated or garbled file is
    // told by its first fault, entities and outside references are refused
    // before the renderer could expand or follow them.
    QXmlStreamReader xml(content);
    bool root = true;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::DTD) {
            if (!xml.entityDeclarations().isEmpty() || xml.dtdSystemId().size() > 0)
                return QStringLiteral("declares XML entities or an outside document type");
            continue;
        }
        if (token == QXmlStreamReader::EntityReference)
            return QStringLiteral("uses an XML entity");
        if (token != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (root) {
            root = false;
            if (xml.name() != QLatin1String("svg")) return QStringLiteral("not an SVG picture");
            double w = leadingNumber(attributes.value(QLatin1String("width")));
            double h = leadingNumber(attributes.value(QLatin1String("height")));
            const QStringList box = attributes.value(QLatin1String("viewBox"))
                                        .toString()
                                        .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
            if (box.size() == 4) {
                w = std::max(w, leadingNumber(box[2]));
                h = std::max(h, leadingNumber(box[3]));
            }
            if (w > kMaxSide || h > kMaxSide)
                return QStringLiteral("declares a size above %1 pixels").arg(kMaxSide);
        }
        for (const QXmlStreamAttribute& a : attributes) {
            if (a.name() != QLatin1String("href")) continue;
            const QStringView target = a.value().trimmed();
            if (!target.isEmpty() && !target.startsWith('#') && !target.startsWith(QLatin1String("data:")))
                return QStringLiteral("refers to the outside file %1").arg(target.left(200).toString());
        }
    }
    if (xml.hasError())
        // The line alone: the reader's own words may be in the desktop's language.
        return QStringLiteral("not a readable SVG picture (broken at line %1)").arg(xml.lineNumber());
    if (root) return QStringLiteral("not an SVG picture");
    return {};
}

QByteArray SvgAssetStore::bytes(const QString& file) const {
    std::unique_lock lock(mutex_);
    auto it = data_.find(file);
    if (it != data_.end()) return *it;
    QFile f(folder_ + '/' + file);
    QByteArray content;
    QString why;
    if (!f.exists()) {
        why = QStringLiteral("no such file");
    } else if (f.size() > kMaxFileBytes) {
        why = QStringLiteral("larger than %1 bytes").arg(kMaxFileBytes);  // not read at all
    } else if (!f.open(QIODevice::ReadOnly)) {
        why = QStringLiteral("cannot be read: %1").arg(f.errorString());
    } else {
        content = f.read(kMaxFileBytes + 1);  // a file grown since is still read within the bound
        why = refusal(content);
        if (!why.isEmpty()) content.clear();
    }
    if (!why.isEmpty()) refused_.insert(file, why);
    data_.insert(file, content);
    return content;
}

void SvgAssetStore::reportOnce(const std::string& key, const QString& file, const QString& why) const {
    {
        std::unique_lock lock(mutex_);
        if (quiet_) return;  // the missing folder or manifest was said once
    }
    // Once for each file and fault (or key without a file) of this folder,
    // whichever key asks for it.
    if (file.isEmpty()) {
        // A key without a row: its page's manifest is missing, emptied or cut
        // short, or names the key wrongly. One line for each page says so;
        // a manifest already told damaged says nothing more.
        const QString page = QString::fromStdString(key.substr(0, key.find('_')));
        if (damagedPages_.contains(page)) return;
        diagnostics::tellOnce("picture key:" + (folder_ + '/' + page).toStdString(),
                              "picture " + key + " has no file in the picture manifest manifest/" +
                                  page.toLower().toStdString() + ".tsv; other pictures of " + page.toStdString() +
                                  " it lacks are not told");
    } else {
        const std::string path = (folder_ + '/' + file).toStdString();
        diagnostics::tellOnce("picture:" + path + '\n' + why.toStdString(),
                              "cannot show picture " + path + " (" + key + "): " + why.toStdString());
    }
}

std::optional<PixelSize> SvgAssetStore::pictureSize(const std::string& key) const {
    const QStringList list = sources(key);
    if (list.isEmpty()) return std::nullopt;
    const QString file = list.last();  // for icons, the largest
    {
        std::unique_lock lock(mutex_);
        auto it = sizes_.find(file);
        if (it != sizes_.end())
            return *it ? std::optional<PixelSize>(PixelSize{(*it)->width(), (*it)->height()}) : std::nullopt;
    }
    const QByteArray content = bytes(file);
    std::optional<QSize> size;
    if (content.isEmpty()) {
        std::unique_lock lock(mutex_);
        const QString why = refused_.value(file);
        lock.unlock();
        reportOnce(key, file, why);
    } else {
        QSvgRenderer svg(content);
        if (svg.isValid()) size = svg.defaultSize();
    }
    std::unique_lock lock(mutex_);
    sizes_.insert(file, size);
    return size ? std::optional<PixelSize>(PixelSize{size->width(), size->height()}) : std::nullopt;
}

QImage SvgAssetStore::render(const std::string& key, const QString& file, QSize size) const {
    const QByteArray content = bytes(file);
    if (content.isEmpty()) {
        std::unique_lock lock(mutex_);
        const QString why = refused_.value(file);
        lock.unlock();
        reportOnce(key, file, why);
        return {};
    }
    if (qint64(size.width()) * size.height() > kMaxRenderPixels) {
        reportOnce(key, file, QStringLiteral("asked for at %1 x %2 pixels, above the bound")
                                  .arg(size.width())
                                  .arg(size.height()));
        return {};
    }
    QSvgRenderer svg(content);
    if (!svg.isValid()) {
        reportOnce(key, file, "not a readable SVG picture");
        return {};
    }
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    return img;
}

QImage SvgAssetStore::compacted(QImage image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied) return image;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255) return image;
        }
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

void SvgAssetStore::store(const QString& cacheKey, const QImage& image) {
    // Called with mutex_ held.
    if (cache_.contains(cacheKey)) return;
    lru_.push_back(cacheKey);
    cache_.insert(cacheKey, Cached{image, std::prev(lru_.end())});
    bytes_ += static_cast<std::size_t>(image.sizeInBytes());
    // Oldest first, never a picture of the page on show nor the one just
    // stored; the pictures of the pages it leads to only once nothing else
    // is left, so that the next page is not drawn while the pupil waits.
    for (const bool evictAhead : {false, true}) {
        for (auto it = lru_.begin(); bytes_ > budget_ && it != lru_.end();) {
            if (*it == cacheKey || pinned_.contains(*it) || (!evictAhead && ahead_.contains(*it))) {
                ++it;
                continue;
            }
            auto victim = cache_.find(*it);
            if (victim != cache_.end()) {
                bytes_ -= static_cast<std::size_t>(victim->image.sizeInBytes());
                cache_.erase(victim);
            }
            it = lru_.erase(it);
        }
    }
}

QImage SvgAssetStore::image(const std::string& key, QSize size) {
    if (size.isEmpty()) return {};
    const QString ck = cacheKeyOf(key, size);
    std::unique_lock lock(mutex_);
    // A render of the same picture at the same size already under way is
    // waited for, not repeated.
    while (true) {
        auto it = cache_.find(ck);
        if (it != cache_.end()) {
            lru_.splice(lru_.end(), lru_, it->use);
            return it->image;
        }
        if (!inFlight_.contains(ck)) break;
        rendered_.wait(lock);
    }
    inFlight_.insert(ck);
    lock.unlock();
    const QStringList list = sources(key);
    QImage img = prerendered(key, size);
    const bool rendering = img.isNull() && !list.isEmpty();
    if (list.isEmpty())
        reportOnce(key, QString(), "no source in the picture manifest");
    else if (rendering)
        img = compacted(render(key, list.last(), size));  // a drawn copy is taken as it lies, at no cost
    lock.lock();
    if (rendering) ++renders_;
    if (!img.isNull()) bytesPerPixel_[key] = img.depth() / 8;
    inFlight_.remove(ck);
    if (!img.isNull()) store(ck, img);
    rendered_.notify_all();
    return img;
}

namespace {
// A drawn copy is the picture's pixels as the program holds them, so it is
// taken without decoding and without a rounding of colours: a header line
// naming the format and the byte order, a line with the SHA-1 of the source
// it was drawn from, then width x height 32-bit premultiplied ARGB pixels.
constexpr char kDrawnMagic[] = "nizam-drawn-argb32pm-le\n";
constexpr qint64 kDrawnHeaderBytes = sizeof(kDrawnMagic) - 1 + 41;

QByteArray sourceHash(const QByteArray& content) {
    return QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex();
}
}  // namespace

QString SvgAssetStore::prerenderedName(const std::string& key, QSize size) {
    return QStringLiteral("%1@%2x%3.argb").arg(QString::fromStdString(key)).arg(size.width()).arg(size.height());
}

bool SvgAssetStore::writePrerendered(const QString& folder, const std::string& key, const QImage& image) const {
    if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN) return false;  // copies are little-endian
    const QStringList list = sources(key);
    if (list.isEmpty() || image.isNull()) return false;
    const QByteArray content = bytes(list.last());
    if (content.isEmpty()) return false;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile f(folder + '/' + prerenderedName(key, pixels.size()));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    bool ok = f.write(kDrawnMagic, sizeof(kDrawnMagic) - 1) == qint64(sizeof(kDrawnMagic) - 1) &&
              f.write(sourceHash(content) + '\n') == 41;
    for (int y = 0; ok && y < pixels.height(); ++y) {
        const qint64 row = qint64(pixels.width()) * 4;
        ok = f.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), row) == row;
    }
    return ok && f.flush();
}

QImage SvgAssetStore::prerendered(const std::string& key, QSize size) const {
    if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN) return {};  // copies are little-endian: rendered here instead
    const QString name = prerenderedName(key, size);
    if (!prerendered_.contains(name)) return {};
    const QStringList list = sources(key);
    if (list.isEmpty()) return {};
    const QByteArray content = bytes(list.last());
    if (content.isEmpty()) return {};  // the source itself is refused: said once already
    const QString file = QStringLiteral("prerendered/") + name;
    auto ignored = [&](const QString& why) {
        // Once for each copy, fault and length: a copy found damaged again,
        // another way, is told again.
        const std::string path = (folder_ + '/' + file).toStdString();
        const std::string length = std::to_string(QFileInfo(folder_ + '/' + file).size());
        diagnostics::tellOnce("drawn copy:" + path + '\n' + why.toStdString() + '\n' + length,
                              "passing over the drawn copy " + path + " (" + key + "): " + why.toStdString() +
                                  "; the picture is rendered from its source");
        return QImage();
    };
    QFile f(folder_ + '/' + file);
    const qint64 pixelBytes = qint64(size.width()) * size.height() * 4;
    // Its size tells a truncated or grown file before anything is read.
    if (f.size() != kDrawnHeaderBytes + pixelBytes)
        return ignored(QStringLiteral("not a drawn copy of %1 x %2 pixels").arg(size.width()).arg(size.height()));
    if (!f.open(QIODevice::ReadOnly)) return ignored(QStringLiteral("cannot be read: %1").arg(f.errorString()));
    const QByteArray header = f.read(kDrawnHeaderBytes);
    if (!header.startsWith(kDrawnMagic) || !header.endsWith('\n'))
        return ignored(QStringLiteral("not a drawn copy"));
    // Drawn from another version of the source: rendered anew, nothing to say.
    if (header.mid(sizeof(kDrawnMagic) - 1, 40) != sourceHash(content)) return {};
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return {};
    for (int y = 0; y < size.height(); ++y) {
        const qint64 row = qint64(size.width()) * 4;
        if (f.read(reinterpret_cast<char*>(img.scanLine(y)), row) != row)
            return ignored(QStringLiteral("cannot be read whole"));
    }
    return img;
}

bool SvgAssetStore::takePrerendered(const std::string& key, QSize size) {
    if (size.isEmpty()) return false;
    if (cached(key, size)) return true;
    // Never a render here: the caller may not have its fonts yet.
    const QImage img = prerendered(key, size);
    if (img.isNull()) return false;
    std::unique_lock lock(mutex_);
    store(cacheKeyOf(key, size), img);
    return true;
}

void SvgAssetStore::prerender(const Wanted& current, const Wanted& ahead) {
    std::unique_lock lock(mutex_);
    pinned_.clear();
    ahead_.clear();
    for (const auto& [key, size] : current) pinned_.insert(cacheKeyOf(key, size));
    pending_.clear();
    QSet<QString> queued;
    for (const Wanted* list : {&current, &ahead}) {
        for (const auto& w : *list) {
            if (w.second.isEmpty()) continue;
            const QString ck = cacheKeyOf(w.first, w.second);
            if (list == &ahead) ahead_.insert(ck);
            if (cache_.contains(ck) || inFlight_.contains(ck) || queued.contains(ck)) continue;
            queued.insert(ck);
            pending_.push_back(w);
        }
    }
    if (pending_.empty() || working_) return;
    working_ = true;
    pool_.start([this] {
        while (true) {
            std::pair<std::string, QSize> next;
            {
                std::lock_guard l(mutex_);
                if (pending_.empty()) {
                    working_ = false;
                    return;
                }
                next = pending_.front();
                pending_.pop_front();
                // A page ahead is rendered only into room that pictures
                // nobody wants can make: rendering it by evicting another
                // page ahead would only trade one page drawn while the
                // pupil waits for another (the menu leads to more pages
                // than the cache holds), and the one evicted may be the
                // page just left, the likeliest to come back to.
                if (!roomAhead(cacheKeyOf(next.first, next.second), expectedBytes(next.first, next.second))) continue;
            }
            image(next.first, next.second);
        }
    });
}

std::size_t SvgAssetStore::expectedBytes(const std::string& key, QSize size) const {
    // Called with mutex_ held.
    return std::size_t(size.width()) * std::size_t(size.height()) * std::size_t(bytesPerPixel_.count(key) ? bytesPerPixel_.at(key) : 4);
}

void SvgAssetStore::fitBudgetTo(QSize windowPixels) {
    const double pixels = double(std::max(0, windowPixels.width())) * std::max(0, windowPixels.height());
    const double factor = std::max(1.0, pixels / (1024.0 * 768.0));
    std::unique_lock lock(mutex_);
    budget_ = static_cast<std::size_t>(double(baseBudget_) * factor);
}

std::size_t SvgAssetStore::budget() const {
    std::unique_lock lock(mutex_);
    return budget_;
}

bool SvgAssetStore::roomAhead(const QString& cacheKey, std::size_t need) const {
    // Called with mutex_ held.
    if (pinned_.contains(cacheKey) || !ahead_.contains(cacheKey)) return true;
    std::size_t evictable = 0;
    for (auto it = cache_.begin(); it != cache_.end(); ++it) {
        if (!pinned_.contains(it.key()) && !ahead_.contains(it.key()))
            evictable += static_cast<std::size_t>(it->image.sizeInBytes());
    }
    return bytes_ + need <= budget_ + evictable;
}

void SvgAssetStore::waitForPrerender() { pool_.waitForDone(); }

bool SvgAssetStore::cached(const std::string& key, QSize size) const {
    std::unique_lock lock(mutex_);
    return cache_.contains(cacheKeyOf(key, size));
}

long SvgAssetStore::renderCount() const {
    std::unique_lock lock(mutex_);
    return renders_;
}

void SvgAssetStore::clearCache() {
    pool_.waitForDone();
    std::unique_lock lock(mutex_);
    cache_.clear();
    lru_.clear();
    pinned_.clear();
    ahead_.clear();
    bytes_ = 0;
}

std::size_t SvgAssetStore::cachedBytes() const {
    std::unique_lock lock(mutex_);
    return bytes_;
}

std::vector<QImage> SvgAssetStore::iconImages(const std::string& key) {
    std::vector<QImage> out;
    for (const QString& file : sources(key)) {
        const QByteArray content = bytes(file);
        if (content.isEmpty()) {
            render(key, file, QSize(1, 1));  // reports why, once
            continue;
        }
        QSvgRenderer svg(content);
        if (!svg.isValid()) {
            reportOnce(key, file, "not a readable SVG picture");
            continue;
        }
        out.push_back(render(key, file, svg.defaultSize()));
    }
    return out;
}

}  // namespace nizam::platform
