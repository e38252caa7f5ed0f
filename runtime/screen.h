// SPDX-License-Identifier: GPL-3.0-or-later
// Screen: the run-time state of one loaded screen. It is created from the
// design values when the screen is loaded and discarded when it is unloaded,
// so a page shown again always starts from its designed state.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/movie_player.h"
#include "runtime/host_platform.h"
#include "runtime/model.h"
#include "runtime/picture.h"

namespace nizam {

struct ControlState {
    bool visible = true;
    int mousePointer = 0;
    PictureRef picture;
    Twips width = 0;
    Twips height = 0;
    int value = 0;     // CheckBox
    std::string text;  // TextBox
    // Player: the animation the logic last asked of it. Whether the platform's
    // player really received it, rewound and played, is for the player to
    // tell (the recording players of the tools and tests keep their calls).
    std::string movie;
    std::unique_ptr<MoviePlayer> player;
    // A hot-spot's hover highlight: it follows the pointer, it is not part of
    // what the page says, and a printed page leaves it out.
    bool hoverHighlight = false;
};

class Screen {
public:
    // Creates every control with its design values and its own picture objects.
    Screen(const ScreenDef& def, HostPlatform& host);
    // A still copy of a loaded screen as it is now, every control's state
    // and the focus but no player, tied to `host` (a print draws it while
    // the screen itself stays as it is).
    Screen(const Screen& shown, HostPlatform& host);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    const ScreenDef& def() const { return def_; }
    const std::string& name() const { return def_.name; }
    int controlCount() const { return static_cast<int>(states_.size()); }
    const ControlDef& control(ControlId id) const { return def_.controls[static_cast<std::size_t>(id)]; }
    const ControlState& state(ControlId id) const { return states_[static_cast<std::size_t>(id)]; }

    // Looks a control up by name and index. An unknown control is told once
    // per screen and control through the diagnostics, and nullopt is returned.
    std::optional<ControlId> find(std::string_view name, std::optional<int> index = std::nullopt) const;
    std::optional<ControlId> findQuiet(std::string_view name, std::optional<int> index) const;

    // Current rectangle: design position with the current (auto-sized) size.
    Rect rect(ControlId id) const;
    // Front-most visible control taking pointer input at the point, inside the client area.
    std::optional<ControlId> hitTest(Twips x, Twips y) const;
    bool insideClient(Twips x, Twips y) const {
        return x >= 0 && y >= 0 && x < def_.clientWidth && y < def_.clientHeight;
    }

    // Property writes, by id. Each notifies the host.
    void setVisible(ControlId id, bool visible);
    void setMousePointer(ControlId id, int pointer);
    // Assigning a picture to an unstretched image makes it take the picture's size.
    void setPicture(ControlId id, const PictureRef& picture);
    void setValue(ControlId id, int value);
    void setText(ControlId id, std::string text);
    // Marks a control as a hover highlight (see ControlState::hoverHighlight).
    void markHoverHighlight(ControlId id) { states_[static_cast<std::size_t>(id)].hoverHighlight = true; }

    // Property access by name, as the screen logic is written. Unknown names
    // read as hidden / clear / empty and writes to them are ignored.
    void show(std::string_view name, std::optional<int> index = std::nullopt);
    void hide(std::string_view name, std::optional<int> index = std::nullopt);
    bool visible(std::string_view name, std::optional<int> index = std::nullopt) const;
    int value(std::string_view name, std::optional<int> index = std::nullopt) const;
    void clearValue(std::string_view name, std::optional<int> index = std::nullopt);
    const std::string& text(std::string_view name, std::optional<int> index = std::nullopt) const;
    void clearText(std::string_view name, std::optional<int> index = std::nullopt);
    PictureRef picture(std::string_view name, std::optional<int> index = std::nullopt) const;
    void setPicture(std::string_view name, std::optional<int> index, const PictureRef& picture);
    void setMousePointer(std::string_view name, std::optional<int> index, int pointer);

    // Players: the three steps of playing an animation file of the application folder.
    void playMovie(std::string_view player, const std::string& path);

    // Keyboard focus: a check box or text box, or a drawn control the keys
    // reach (runtime/key_order.h decides which); the platform gives a native
    // control's widget the focus and rings a drawn one.
    std::optional<ControlId> focus() const { return focus_; }
    // Refused (the focus stays) for a control that cannot hold it.
    void setFocus(std::optional<ControlId> id);
    bool focusable(ControlId id) const;  // a check box or text box on show
    bool canHoldFocus(ControlId id) const;  // any control on show that takes pointer input
    void focusNext();            // the Tab key: next in TabIndex order
    void focusFirst();           // the lowest TabIndex, as when the window appears
    void toggle(ControlId id);   // a click or the space key on a check box

    // Gives a player control its platform player; its visibility follows the control's.
    void attachPlayer(ControlId id, std::unique_ptr<MoviePlayer> player);
    // Destroys every platform player; called when the screen is unloaded.
    void releasePlayers();

    HostPlatform& host() { return host_; }

    // The pupil's answers: the screen remembers its answer areas as they
    // stand once it has loaded (check boxes, text boxes, pictures), and tells
    // whether any now differs. A box ticked and cleared again, a text typed
    // and erased, a label dropped and the target emptied again hold nothing;
    // showing verdicts, marks or hints changes no answer area.
    void rememberLoadedAnswers();
    bool holdsAnswers() const;

private:
    void changed(ControlId id) { host_.controlChanged(*this, id); }

    const ScreenDef& def_;
    HostPlatform& host_;
    std::vector<ControlState> states_;
    std::optional<ControlId> focus_;
    struct LoadedAnswer {
        int value = 0;
        std::string text;
        PictureRef picture;
    };
    std::vector<LoadedAnswer> loaded_;  // by control, as it stood after Load
};

}  // namespace nizam
