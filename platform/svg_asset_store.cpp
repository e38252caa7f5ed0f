#include "platform/svg_asset_store.h"

#include <QDir>
#include <QFile>
#include <QMutexLocker>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

namespace nizam::platform {

namespace {
// Rendered pictures kept at most: a full page at 1024 x 768 is 3 MB, so this
// holds the current page, the pages it leads to and a few more.
constexpr std::size_t kCacheBudget = 48u * 1024u * 1024u;

QString cacheKeyOf(const std::string& key, QSize size) {
    return QString::fromStdString(key) + '@' + QString::number(size.width()) + 'x' + QString::number(size.height());
}
}  // namespace

SvgAssetStore::SvgAssetStore(const QString& assetsFolder) : folder_(assetsFolder) {
    pool_.setMaxThreadCount(1);
    const QDir dir(assetsFolder + "/manifest");
    for (const QString& name : dir.entryList({"*.tsv"}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "nizam: cannot read picture manifest %s\n", qPrintable(f.fileName()));
            continue;
        }
        QTextStream in(&f);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#')) continue;
            QStringList parts = line.split('\t', Qt::SkipEmptyParts);
            if (parts.size() < 2) continue;
            const QString key = parts.takeFirst();
            manifest_.insert(key, parts);
        }
    }
}

SvgAssetStore::~SvgAssetStore() { pool_.waitForDone(); }

bool SvgAssetStore::has(const std::string& key) const { return manifest_.contains(QString::fromStdString(key)); }

QStringList SvgAssetStore::files(const std::string& key) const {
    return manifest_.value(QString::fromStdString(key));
}

std::vector<std::string> SvgAssetStore::keys() const {
    std::vector<std::string> out;
    for (auto it = manifest_.begin(); it != manifest_.end(); ++it) out.push_back(it.key().toStdString());
    return out;
}

QByteArray SvgAssetStore::bytes(const QString& file) const {
    QMutexLocker lock(&mutex_);
    auto it = data_.find(file);
    if (it != data_.end()) return *it;
    QFile f(folder_ + '/' + file);
    QByteArray content;
    if (f.open(QIODevice::ReadOnly)) content = f.readAll();
    data_.insert(file, content);
    return content;
}

void SvgAssetStore::reportOnce(const std::string& key, const QString& file, const QString& why) const {
    QMutexLocker lock(&mutex_);
    const QString id = QString::fromStdString(key) + '|' + file;
    if (reported_.contains(id)) return;
    reported_.append(id);
    std::fprintf(stderr, "nizam: picture %s: %s (%s)\n", key.c_str(),
                 qPrintable(file.isEmpty() ? QStringLiteral("no source file") : folder_ + '/' + file),
                 qPrintable(why));
}

std::optional<PixelSize> SvgAssetStore::pictureSize(const std::string& key) const {
    const QStringList list = manifest_.value(QString::fromStdString(key));
    if (list.isEmpty()) return std::nullopt;
    const QString file = list.last();  // for icons, the largest
    {
        QMutexLocker lock(&mutex_);
        auto it = sizes_.find(file);
        if (it != sizes_.end())
            return *it ? std::optional<PixelSize>(PixelSize{(*it)->width(), (*it)->height()}) : std::nullopt;
    }
    QSvgRenderer svg(bytes(file));
    std::optional<QSize> size;
    if (svg.isValid()) size = svg.defaultSize();
    QMutexLocker lock(&mutex_);
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
    while (bytes_ > kCacheBudget && lru_.size() > 1) {
        const QString victim = lru_.front();
        lru_.pop_front();
        auto it = cache_.find(victim);
        if (it == cache_.end()) continue;
        bytes_ -= static_cast<std::size_t>(it->sizeInBytes());
        cache_.erase(it);
    }
}

QImage SvgAssetStore::image(const std::string& key, QSize size) {
    if (size.isEmpty()) return {};
    const QString ck = cacheKeyOf(key, size);
    {
        QMutexLocker lock(&mutex_);
        auto it = cache_.find(ck);
        if (it != cache_.end()) {
            lru_.remove(ck);
            lru_.push_back(ck);
            return *it;
        }
    }
    const QStringList list = manifest_.value(QString::fromStdString(key));
    if (list.isEmpty()) {
        reportOnce(key, QString(), "no source in the picture manifest");
        return {};
    }
    QImage img = render(key, list.last(), size);
    if (img.isNull()) return img;
    QMutexLocker lock(&mutex_);
    store(ck, img);
    return img;
}

void SvgAssetStore::prerender(const std::vector<std::pair<std::string, QSize>>& wanted) {
    std::vector<std::pair<std::string, QSize>> todo;
    {
        QMutexLocker lock(&mutex_);
        for (const auto& w : wanted) {
            if (!w.second.isEmpty() && !cache_.contains(cacheKeyOf(w.first, w.second))) todo.push_back(w);
        }
    }
    if (todo.empty()) return;
    pool_.start([this, todo] {
        for (const auto& [key, size] : todo) image(key, size);
    });
}

void SvgAssetStore::waitForPrerender() { pool_.waitForDone(); }

void SvgAssetStore::clearCache() {
    pool_.waitForDone();
    QMutexLocker lock(&mutex_);
    cache_.clear();
    lru_.clear();
    bytes_ = 0;
}

std::size_t SvgAssetStore::cachedBytes() const {
    QMutexLocker lock(&mutex_);
    return bytes_;
}

std::vector<QImage> SvgAssetStore::iconImages(const std::string& key) {
    std::vector<QImage> out;
    for (const QString& file : manifest_.value(QString::fromStdString(key))) {
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
