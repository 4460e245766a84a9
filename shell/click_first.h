// Buttons that do what a click is for before they are drawn released.
#pragma once

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <utility>

namespace zentaro {

// Qt repaints a released button at once, before it emits clicked: a whole
// paint of the button and everything beneath it, and on X11 a wait for the
// X server to finish reading the last image sent, all before the click does
// anything. Here that repaint joins the next frame, the one that also shows
// what the click changed. The button's repaint is scheduled as soon as the
// click begins (`released` comes before `clicked`), so a click that opens a
// modal window shows the button released behind it.
template <typename Button>
class ClickFirst : public Button {
public:
    template <typename... Args>
    explicit ClickFirst(Args&&... args) : Button(std::forward<Args>(args)...) {
        QObject::connect(this, &QAbstractButton::released, this, [this] { DrawAgain(); });
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        Release([&] { Button::mouseReleaseEvent(event); });
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        Release([&] { Button::keyReleaseEvent(event); });
    }

private:
    template <typename Handle>
    void Release(Handle handle) {
        // Only a pressed button can be clicked by a release; a button whose
        // updates are off already (its window is being set up) is left alone.
        if (!this->isDown() || !this->updatesEnabled()) {
            handle();
            return;
        }
        holding_ = true;
        this->setUpdatesEnabled(false);
        const QPointer<QAbstractButton> alive(this);
        handle();
        if (alive) DrawAgain();  // a release that was no click, say outside the button
    }

    void DrawAgain() {
        if (!holding_) return;
        holding_ = false;
        this->setUpdatesEnabled(true);  // schedules a repaint of the whole button
    }

    bool holding_ = false;
};

}  // namespace zentaro
