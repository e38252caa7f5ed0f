// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <iterator>
#include <list>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "runtime/asset_store.h"

namespace nizam::platform {

class SvgAssetStore : public AssetStore {
public:
    // Rendered pictures kept at most: a full page at 1024 x 768 is 3 MB, so
    // this holds the current page, the pages it leads to and a few more.
    static constexpr std::size_t kDefaultCacheBudget = 24u * 1024u * 1024u;
    // Every pointer icon is this one picture unless the manifest names another.
    static constexpr const char* kPointerIconFile = "kit/pointer.svg";
    // A picture file larger than this is refused without being read: the
    // largest picture of the course is about 50 KB.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
    // A picture declaring a width or height above this many pixels, or
    // asked for at such a size, is refused instead of allocated.
    static constexpr int kMaxSide = 8192;
    // A render asked for above this many pixels (1 GB of image) is refused.
    static constexpr qint64 kMaxRenderPixels = 256LL * 1024 * 1024;

    // Why a picture source cannot be used, or empty when it can: it is
    // empty, larger than kMaxFileBytes, declares XML entities, refers to a
    // file outside itself, is not an SVG picture, or declares a size above
    // kMaxSide.
    static QString refusal(const QByteArray& content);

    using Wanted = std::vector<std::pair<std::string, QSize>>;

    // Reads every `<assetsFolder>/manifest/*.tsv`: lines `KEY<TAB>file.svg[<TAB>file.svg...]`.
    // A key given twice is reported (runtime/diagnostics.h) with both places and kept as first given.
    explicit SvgAssetStore(const QString& assetsFolder, std::size_t cacheBudget = kDefaultCacheBudget);
    ~SvgAssetStore() override;

    // What was wrong in the pictures folder or its manifests, one line each
    // (empty when all is well). A missing folder or manifest is one line, and
    // no further line is then said about each picture it would have named.
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
    // has no usable source (reported once for each file and fault, naming it
    // and the first key that asked for it).
    QImage image(const std::string& key, QSize size);
    // Renders the pictures on a worker thread, so they are ready when shown:
    // first the page on show, whose pictures are never evicted until the next
    // call, then the pages it leads to, in their order, as far as the cache
    // holds them without evicting one another (a page ahead that finds no
    // room is rendered when shown). A call replaces what an earlier call
    // left to do (a new page or a new scale makes those sizes stale). A
    // picture already being rendered is never rendered a second time at once.
    void prerender(const Wanted& current, const Wanted& ahead = {});
    // Pictures drawn by the build at the size the start page shows them at
    // in a 1024 x 768 window, as `<assetsFolder>/prerendered/KEY@WxH.argb` (the pixels as
    // held here, so they are taken without decoding), each carrying the
    // SHA-1 of the source it was drawn from: image() takes such a copy instead
    // of rendering when its source is unchanged, so the program's first frame
    // needs neither the fonts nor the renderer. A copy drawn from another
    // source is passed over; a damaged one is said once, and the
    // picture is rendered from its source as on every other page.
    static QString prerenderedName(const std::string& key, QSize size);
    // Writes `image`, the key's picture as rendered here, as its drawn copy
    // into `folder` (the build's tool); false when it cannot.
    bool writePrerendered(const QString& folder, const std::string& key, const QImage& image) const;
    // Takes the drawn copy of the picture at that size into the cache when
    // there is a usable one; whether the picture is cached at that size now.
    bool takePrerendered(const std::string& key, QSize size);

    // The cache grows with the window: the budget given is for a window of
    // 1024 x 768 device pixels, and a larger window, whose pictures are
    // larger, gets as much more as it has pixels more (never less).
    void fitBudgetTo(QSize windowPixels);
    std::size_t budget() const;

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
    // The file's content, read once; empty, with the reason in refused_,
    // when it is missing, unreadable or refused.
    QByteArray bytes(const QString& file) const;
    QImage render(const std::string& key, const QString& file, QSize size) const;
    // The usable drawn copy of the picture at that size, or a null image.
    QImage prerendered(const std::string& key, QSize size) const;
    void store(const QString& cacheKey, const QImage& image);
    // A picture without a transparent pixel (a whole page) is kept with
    // three bytes a pixel instead of four: the cache then holds the menu
    // and every page it leads to at once. (A drawn copy from the build, taken
    // for the first frame, is kept as it lies: nothing delays that frame.)
    static QImage compacted(QImage image);
    std::size_t expectedBytes(const std::string& key, QSize size) const;
    // Whether rendering the picture ahead leaves every other picture of the
    // pages ahead in the cache (always, for the page on show).
    bool roomAhead(const QString& cacheKey, std::size_t need) const;
    void reportOnce(const std::string& key, const QString& file, const QString& why) const;

    QString folder_;
    std::size_t baseBudget_;
    std::size_t budget_;
    std::unordered_map<std::string, int> bytesPerPixel_;  // as the key was last kept: 3 when opaque
    QHash<QString, QStringList> manifest_;     // key -> files
    QStringList errors_;
    mutable QHash<QString, QByteArray> data_;  // file -> bytes, loaded once
    mutable QHash<QString, std::optional<QSize>> sizes_;  // file -> size
    // Standard mutex and condition, not Qt's: ThreadSanitizer sees every
    // lock, unlock and wait of these, where Qt's are partly inside Qt itself.
    mutable std::mutex mutex_;
    // A cached picture and its place in lru_ (oldest use first), so that a
    // use moves it to the back without searching the list.
    struct Cached {
        QImage image;
        std::list<QString>::iterator use;
    };
    QHash<QString, Cached> cache_;
    std::list<QString> lru_;
    std::size_t bytes_ = 0;
    QSet<QString> inFlight_;  // cache keys being rendered now
    std::condition_variable rendered_;  // a render in flight has finished
    QSet<QString> pinned_;     // cache keys of the page on show
    QSet<QString> ahead_;      // cache keys of the pages it leads to
    std::deque<std::pair<std::string, QSize>> pending_;  // left to prerender
    bool working_ = false;     // the worker is draining pending_
    long renders_ = 0;
    mutable QHash<QString, QString> refused_;  // file -> why it cannot be used
    bool quiet_ = false;  // the folder or manifest is missing: said once already
    // Pages ("Form1") whose manifest has damaged lines, told once already.
    QSet<QString> damagedPages_;
    QSet<QString> prerendered_;  // the names of the drawn copies found at start
    QThreadPool pool_;
};

}  // namespace nizam::platform
