// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen Arabic keyboard: a panel drawn inside the window in the
// course's style (the toolbar's white tiles with their blue rim), vector
// keys and text at the window's scale, laid out by platform/osk_layout.h,
// and the small tab «لوحة المفاتيح» at the window's bottom left corner, on
// the pages with text boxes, that switches it on and off for as long as the
// program runs.
//
// Switched on, the panel comes up when a text box of the page gets the focus
// from the pointer, a touch or Tab, at the window's edge that leaves the box
// in sight; it goes when the focus leaves the text boxes (a check box, the
// page changing, the quit question) and with its hide key. A key types into
// the focused box the way the physical keyboard does: a letter as an input
// method's commit, backspace as the key itself, so the box's own cleaning and
// the course's judging see the same input. Neither the panel nor the tab
// ever takes the focus from the box; the quit question stays above both.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "platform/osk_layout.h"

namespace nizam::platform {

class PageCanvas;

class OnScreenKeyboard : public QWidget {
public:
    // The panel and its tab are made in `window`; `canvas` gives the page's scale.
    OnScreenKeyboard(QWidget& window, const PageCanvas& canvas);
    ~OnScreenKeyboard() override;

    // Switched on, the panel comes up by itself when a text box is focused.
    void setSwitchedOn(bool on);
    bool switchedOn() const { return on_; }
    // The tab's click: switched the other way, the panel shown or hidden at once.
    void toggle();

    // A page's native controls were made (or cleared): the panel goes, and
    // these text boxes are the ones it types into.
    void pageChanged(const std::vector<QWidget*>& textBoxes);
    // Over the page's controls and players, under the quit question.
    void stackOverPage();
    // The window's size changed: the tab and the panel follow it.
    void relayout();
    // The panel that stays above the keyboard (the quit question).
    void setCover(QWidget* cover) { cover_ = cover; }

    // The keys on show (the layer shown, at the window's size), in the
    // panel's own pixels; the panel's and the tab's rectangles in window pixels.
    OskLayout keys() const { return layout_; }
    OskLayer layer() const { return layer_; }
    // The keys of a layer, as the panel lays them out in this window.
    OskLayout keysOf(OskLayer layer) const;
    QRect tabRect() const;
    // The text box the panel types into, or nullptr.
    QWidget* target() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    class Tab;
    bool isBox(const QObject* o) const;
    void showFor(QWidget* box);
    // The window pixels at the left the panel keeps free for the tab.
    double clearLeft() const;
    void hidePanel();
    void press(const OskKey& key);
    std::optional<std::size_t> keyAt(QPointF pos) const;
    void focusMoved(QWidget* now);

    QWidget& window_;
    const PageCanvas& canvas_;
    Tab* tab_;
    QPointer<QWidget> cover_;
    std::vector<QPointer<QWidget>> boxes_;
    OskLayout layout_;
    OskLayer layer_ = OskLayer::Letters;
    bool on_ = true;
    bool restore_ = false;  // the panel was up when the focus left a box: it comes back with it
    std::optional<std::size_t> down_;   // the key under a press
    std::optional<std::size_t> hover_;  // the key under the pointer
    // Backspace held down deletes again and again, as a physical key does.
    QTimer repeat_;
    bool repeated_ = false;  // the held key has acted already: its release does not
};

}  // namespace nizam::platform
