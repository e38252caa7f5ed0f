// SPDX-License-Identifier: GPL-3.0-or-later
// The operations the screen logic uses on an animation player control.
#pragma once

#include <string>

namespace nizam {

class MoviePlayer {
public:
    virtual ~MoviePlayer() = default;
    virtual void setVisible(bool visible) = 0;
    // Full path of an animation file; the player loads it and starts it.
    virtual void setMovie(const std::string& path) = 0;
    virtual void rewind() = 0;  // go to the first frame
    virtual void play() = 0;    // play from the current frame
};

}  // namespace nizam
