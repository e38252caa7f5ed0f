// SPDX-License-Identifier: GPL-3.0-or-later
// The picture store's worker thread against the window's thread: pages
// prerendered one after another while the same pictures are asked for,
// sized, counted and dropped. The test command runs this under
// ThreadSanitizer, where a data race fails it.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <set>
#include <thread>

#include "app/registry.h"
#include "platform/svg_asset_store.h"
#include "runtime/model.h"

namespace nizam::platform {
namespace {

QString assetsFolder() { return QStringLiteral(NIZAM_ASSETS_DIR); }

// Every picture of a built page at `quarters` fourths of its design size, page by page.
std::vector<SvgAssetStore::Wanted> pagesOfPictures(int quarters) {
    std::vector<SvgAssetStore::Wanted> pages;
    for (const auto& e : screenRegistry()) {
        SvgAssetStore::Wanted page;
        const ScreenDef& d = e.module->def;
        for (const ControlDef& c : d.controls) {
            if (c.kind != Kind::Image || !c.picture) continue;
            const QSize size(c.picture->width * quarters / 4, c.picture->height * quarters / 4);
            if (!size.isEmpty()) page.emplace_back(assetKey(d, c, "Picture"), size);
        }
        if (!page.empty()) pages.push_back(std::move(page));
    }
    return pages;
}

TEST(SvgAssetStoreThreads, PrerenderingWhileThePagesAskForTheirPictures) {
    // A small cache, so pictures are evicted while the worker stores more.
    SvgAssetStore store(assetsFolder(), 4u * 1024u * 1024u);
    const auto pages = pagesOfPictures(4);
    ASSERT_GT(pages.size(), 30u);
    std::mt19937 rng(1812);
    std::atomic<bool> stop = false;
    std::atomic<long> asked = 0;
    // A second reader, as a player or the benchmark would be: sizes and counts.
    std::thread reader([&] {
        std::mt19937 local(7);
        while (!stop) {
            const auto& page = pages[local() % pages.size()];
            const auto& [key, size] = page[local() % page.size()];
            EXPECT_TRUE(store.pictureSize(key).has_value()) << key;
            store.cached(key, size);
            store.renderCount();
            store.cachedBytes();
            ++asked;
        }
    });
    std::size_t pinnedBytes = 0;
    for (int round = 0; round < 120; ++round) {
        const auto& page = pages[rng() % pages.size()];
        pinnedBytes = 0;
        for (const auto& w : page) pinnedBytes += static_cast<std::size_t>(w.second.width()) * w.second.height() * 4;
        const auto& next = pages[rng() % pages.size()];
        store.prerender(page, next);
        // The page draws its pictures at once, before the worker is done with them.
        for (const auto& [key, size] : page) {
            const QImage img = store.image(key, size);
            ASSERT_FALSE(img.isNull()) << key;
            EXPECT_EQ(img.size(), size) << key;
        }
        if (round % 40 == 39) store.clearCache();
    }
    store.waitForPrerender();
    stop = true;
    reader.join();
    EXPECT_GT(asked.load(), 0);
    // Over the budget by at most the pinned page on show and the one picture just stored.
    EXPECT_LE(store.cachedBytes(), 4u * 1024u * 1024u + pinnedBytes + 1024u * 768u * 4u);
}

TEST(SvgAssetStoreThreads, APictureAskedForAtOnceIsRenderedOnce) {
    SvgAssetStore store(assetsFolder());
    const auto pages = pagesOfPictures(2);
    ASSERT_FALSE(pages.empty());
    // The same pictures, queued for the worker and asked for by three threads at once.
    std::set<std::pair<std::string, std::pair<int, int>>> distinct;
    SvgAssetStore::Wanted wanted;
    for (std::size_t i = 0; i < pages.size() && wanted.size() < 24; i += 3) {
        for (const auto& w : pages[i]) {
            if (distinct.insert({w.first, {w.second.width(), w.second.height()}}).second) wanted.push_back(w);
        }
    }
    store.prerender(wanted);
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t) {
        threads.emplace_back([&store, &wanted, t] {
            for (std::size_t i = 0; i < wanted.size(); ++i) {
                const auto& [key, size] = wanted[(i + static_cast<std::size_t>(t) * 5) % wanted.size()];
                EXPECT_EQ(store.image(key, size).size(), size) << key;
            }
        });
    }
    for (auto& t : threads) t.join();
    store.waitForPrerender();
    EXPECT_EQ(store.renderCount(), static_cast<long>(wanted.size())) << "no picture rendered twice";
    for (const auto& [key, size] : wanted) EXPECT_TRUE(store.cached(key, size)) << key;
}

}  // namespace
}  // namespace nizam::platform
