#include "platform/svg_asset_store.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

namespace nizam::platform {

namespace {
QString cacheKeyOf(const std::string& key, QSize size) {
    return QString::fromStdString(key) + '@' + QString::number(size.width()) + 'x' + QString::number(size.height());
}
}  // namespace

SvgAssetStore::SvgAssetStore(const QString& assetsFolder, std::size_t cacheBudget)
    : folder_(assetsFolder), budget_(cacheBudget) {
    pool_.setMaxThreadCount(1);
    const QDir dir(assetsFolder + "/manifest");
    QHash<QString, QString> givenAt;  // key -> "manifest/file.tsv:line"
    for (const QString& name : dir.entryList({"*.tsv"}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            errors_.append(QStringLiteral("cannot read picture manifest %1").arg(f.fileName()));
            continue;
        }
        QTextStream in(&f);
        int lineNumber = 0;
        while (!in.atEnd()) {
            ++lineNumber;
            const QString line = in.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#')) continue;
            const QString place = QStringLiteral("manifest/%1:%2").arg(name).arg(lineNumber);
            QStringList parts = line.split('\t', Qt::SkipEmptyParts);
            if (parts.size() < 2) {
                errors_.append(QStringLiteral("%1: a key without a picture file").arg(place));
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
    }
    for (const QString& e : errors_) std::fprintf(stderr, "nizam: %s\n", qPrintable(e));
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

QByteArray SvgAssetStore::bytes(const QString& file) const {
    std::unique_lock lock(mutex_);
    auto it = data_.find(file);
    if (it != data_.end()) return *it;
    QFile f(folder_ + '/' + file);
    QByteArray content;
    if (f.open(QIODevice::ReadOnly)) content = f.readAll();
    data_.insert(file, content);
    return content;
}

void SvgAssetStore::reportOnce(const std::string& key, const QString& file, const QString& why) const {
    std::unique_lock lock(mutex_);
    const QString id = QString::fromStdString(key) + '|' + file;
    if (reported_.contains(id)) return;
    reported_.append(id);
    std::fprintf(stderr, "nizam: picture %s: %s (%s)\n", key.c_str(),
                 qPrintable(file.isEmpty() ? QStringLiteral("no source file") : folder_ + '/' + file),
                 qPrintable(why));
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
    QSvgRenderer svg(bytes(file));
    std::optional<QSize> size;
    if (svg.isValid()) size = svg.defaultSize();
    std::unique_lock lock(mutex_);
    sizes_.insert(file, size);
    return size ? std::optional<PixelSize>(PixelSize{size->width(), size->height()}) : std::nullopt;
}

QImage SvgAssetStore::render(const std::string& key, const QString& file, QSize size) const {
    const QByteArray content = bytes(file);
    if (content.isEmpty()) {
        reportOnce(key, file, "missing or unreadable");
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

void SvgAssetStore::store(const QString& cacheKey, const QImage& image) {
    // Called with mutex_ held.
    if (cache_.contains(cacheKey)) return;
    cache_.insert(cacheKey, image);
    lru_.push_back(cacheKey);
    bytes_ += static_cast<std::size_t>(image.sizeInBytes());
    // Oldest first, never a picture of the page on show nor the one just stored.
    for (auto it = lru_.begin(); bytes_ > budget_ && it != lru_.end() && *it != cacheKey;) {
        if (pinned_.contains(*it)) {
            ++it;
            continue;
        }
        auto victim = cache_.find(*it);
        if (victim != cache_.end()) {
            bytes_ -= static_cast<std::size_t>(victim->sizeInBytes());
            cache_.erase(victim);
        }
        it = lru_.erase(it);
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
            lru_.remove(ck);
            lru_.push_back(ck);
            return *it;
        }
        if (!inFlight_.contains(ck)) break;
        rendered_.wait(lock);
    }
    inFlight_.insert(ck);
    lock.unlock();
    const QStringList list = sources(key);
    QImage img;
    if (list.isEmpty())
        reportOnce(key, QString(), "no source in the picture manifest");
    else
        img = render(key, list.last(), size);
    lock.lock();
    if (!list.isEmpty()) ++renders_;
    inFlight_.remove(ck);
    if (!img.isNull()) store(ck, img);
    rendered_.notify_all();
    return img;
}

void SvgAssetStore::prerender(const Wanted& current, const Wanted& ahead) {
    std::unique_lock lock(mutex_);
    pinned_.clear();
    for (const auto& [key, size] : current) pinned_.insert(cacheKeyOf(key, size));
    pending_.clear();
    QSet<QString> queued;
    for (const Wanted* list : {&current, &ahead}) {
        for (const auto& w : *list) {
            if (w.second.isEmpty()) continue;
            const QString ck = cacheKeyOf(w.first, w.second);
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
            }
            image(next.first, next.second);
        }
    });
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
    bytes_ = 0;
}

std::size_t SvgAssetStore::cachedBytes() const {
    std::unique_lock lock(mutex_);
    return bytes_;
}

std::vector<QImage> SvgAssetStore::iconImages(const std::string& key) {
    std::vector<QImage> out;
    for (const QString& file : sources(key)) {
        QSvgRenderer svg(bytes(file));
        if (!svg.isValid()) {
            reportOnce(key, file, "not a readable SVG picture");
            continue;
        }
        out.push_back(render(key, file, svg.defaultSize()));
    }
    return out;
}

}  // namespace nizam::platform
