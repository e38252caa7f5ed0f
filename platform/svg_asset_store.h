// The pictures, as SVG sources under the program's assets folder, rendered
// at the size they are shown with, and kept in a cache of rendered images.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QSet>
#include <QThreadPool>
#include <condition_variable>
#include <deque>
#include <list>
#include <mutex>
#include <optional>

#include "runtime/asset_store.h"

namespace nizam::platform {

class SvgAssetStore : public AssetStore {
public:
    // Rendered pictures kept at most: a full page at 1024 x 768 is 3 MB, so
    // this holds the current page, the pages it leads to and a few more.
    static constexpr std::size_t kDefaultCacheBudget = 48u * 1024u * 1024u;
    // Every pointer icon is this one picture unless the manifest names another.
    static constexpr const char* kPointerIconFile = "kit/pointer.svg";

    using Wanted = std::vector<std::pair<std::string, QSize>>;

    // Reads every `<assetsFolder>/manifest/*.tsv`: lines `KEY<TAB>file.svg[<TAB>file.svg...]`.
    // A key given twice is reported on stderr with both places and kept as first given.
    explicit SvgAssetStore(const QString& assetsFolder, std::size_t cacheBudget = kDefaultCacheBudget);
    ~SvgAssetStore() override;

    // What was wrong in the manifests, one line each (empty when all is well).
    const QStringList& manifestErrors() const { return errors_; }

    std::optional<PixelSize> pictureSize(const std::string& key) const override;
    // Whether a manifest gives the key a row.
    bool has(const std::string& key) const;
    // The file(s) a key names, relative to the assets folder: its row, the
    // pointer icon for a `_MouseIcon` key without one, else empty.
    QStringList files(const std::string& key) const;
    // The keys the manifests give rows to.
    std::vector<std::string> keys() const;

    // The picture rendered at `size` device pixels; a null image when the key
    // has no readable source (reported once on stderr, naming key and file).
    QImage image(const std::string& key, QSize size);
    // Renders the pictures on a worker thread, so they are ready when shown:
    // first the page on show, whose pictures are never evicted until the next
    // call, then the pages it leads to. A call replaces what an earlier call
    // left to do (a new page or a new scale makes those sizes stale). A
    // picture already being rendered is never rendered a second time at once.
    void prerender(const Wanted& current, const Wanted& ahead = {});
    // Waits until every prerendering has finished (tests and benchmark).
    void waitForPrerender();
    // Whether the picture is cached at that size, and how many renders were done.
    bool cached(const std::string& key, QSize size) const;
    long renderCount() const;
    // Drops every rendered image (the benchmark measures a cold start with it).
    void clearCache();
    std::size_t cachedBytes() const;

    // For window icons: every file of the key as an image at its own size.
    std::vector<QImage> iconImages(const std::string& key);

private:
    QStringList sources(const std::string& key) const;  // the manifest's files, or the default pointer icon
    QByteArray bytes(const QString& file) const;  // the file's content, read once
    QImage render(const std::string& key, const QString& file, QSize size) const;
    void store(const QString& cacheKey, const QImage& image);
    void reportOnce(const std::string& key, const QString& file, const QString& why) const;

    QString folder_;
    std::size_t budget_;
    QHash<QString, QStringList> manifest_;     // key -> files
    QStringList errors_;
    mutable QHash<QString, QByteArray> data_;  // file -> bytes, loaded once
    mutable QHash<QString, std::optional<QSize>> sizes_;  // file -> size
    // Standard mutex and condition, not Qt's: ThreadSanitizer sees every
    // lock, unlock and wait of these, where Qt's are partly inside Qt itself.
    mutable std::mutex mutex_;
    QHash<QString, QImage> cache_;
    std::list<QString> lru_;
    std::size_t bytes_ = 0;
    QSet<QString> inFlight_;  // cache keys being rendered now
    std::condition_variable rendered_;  // a render in flight has finished
    QSet<QString> pinned_;     // cache keys of the page on show
    std::deque<std::pair<std::string, QSize>> pending_;  // left to prerender
    bool working_ = false;     // the worker is draining pending_
    long renders_ = 0;
    mutable QStringList reported_;
    QThreadPool pool_;
};

}  // namespace nizam::platform
