// SPDX-License-Identifier: GPL-3.0-or-later
// Read-only supplier of pictures by asset key.
#pragma once

#include <optional>
#include <string>

#include "runtime/model.h"

namespace nizam {

class AssetStore {
public:
    virtual ~AssetStore() = default;
    // Pixel size of the picture stored under `key`, or nullopt when the store
    // has no readable picture for it.
    virtual std::optional<PixelSize> pictureSize(const std::string& key) const = 0;
};

}  // namespace nizam
