// The pictures, as SVG sources under the program's assets folder, rendered
// at the size they are shown with, and kept in a cache of rendered images.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <list>
#include <optional>

#include "runtime/asset_store.h"

namespace nizam::platform {

class SvgAssetStore : public AssetStore {
public:
    // Reads every `<assetsFolder>/manifest/*.tsv`: lines `KEY<TAB>file.svg[<TAB>file.svg...]`.
    explicit SvgAssetStore(const QString& assetsFolder);
    ~SvgAssetStore() override;

    std::optional<PixelSize> pictureSize(const std::string& key) const override;
    bool has(const std::string& key) const;
    // The file(s) a key names, relative to the assets folder (empty when unknown).
    QStringList files(const std::string& key) const;
    std::vector<std::string> keys() const;

    // The picture rendered at `size` device pixels; a null image when the key
    // has no readable source (reported once on stderr, naming key and file).
    QImage image(const std::string& key, QSize size);
    // Renders the pictures on a worker thread, so they are ready when shown.
    void prerender(const std::vector<std::pair<std::string, QSize>>& wanted);
    // Waits until every prerendering has finished (tests and benchmark).
    void waitForPrerender();
    // Drops every rendered image (the benchmark measures a cold start with it).
    void clearCache();
    std::size_t cachedBytes() const;

    // For window icons: every file of the key as an image at its own size.
    std::vector<QImage> iconImages(const std::string& key);

private:
    QByteArray bytes(const QString& file) const;  // the file's content, read once
    QImage render(const std::string& key, const QString& file, QSize size) const;
    void store(const QString& cacheKey, const QImage& image);
    void reportOnce(const std::string& key, const QString& file, const QString& why) const;

    QString folder_;
    QHash<QString, QStringList> manifest_;     // key -> files
    mutable QHash<QString, QByteArray> data_;  // file -> bytes, loaded once
    mutable QHash<QString, std::optional<QSize>> sizes_;  // file -> size
    mutable QMutex mutex_;
    QHash<QString, QImage> cache_;
    std::list<QString> lru_;
    std::size_t bytes_ = 0;
    mutable QStringList reported_;
    QThreadPool pool_;
};

}  // namespace nizam::platform
