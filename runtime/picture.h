// SPDX-License-Identifier: GPL-3.0-or-later
// PictureRef: a reference to one loaded picture object, or to the empty
// picture. Equality is identity: two controls hold "the same picture" only
// when one was copied from the other, never because they look alike. Every
// answer that is given by dragging a label relies on this.
#pragma once

#include <memory>
#include <string>

#include "runtime/model.h"

namespace nizam {

struct PictureObject {
    std::string key;  // asset key the picture was loaded under
    PixelSize size;   // pixel size of the picture
};

class PictureRef {
public:
    PictureRef() = default;
    static PictureRef load(std::string key, PixelSize size) {
        return PictureRef(std::make_shared<const PictureObject>(PictureObject{std::move(key), size}));
    }

    bool empty() const { return !object_; }
    const PictureObject* get() const { return object_.get(); }
    const PictureObject* operator->() const { return object_.get(); }

    friend bool operator==(const PictureRef& a, const PictureRef& b) { return a.object_ == b.object_; }

private:
    explicit PictureRef(std::shared_ptr<const PictureObject> object) : object_(std::move(object)) {}
    std::shared_ptr<const PictureObject> object_;
};

}  // namespace nizam
