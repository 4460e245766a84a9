#include "window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace zentaro {
namespace {

class FixedFrameKeeper : public QObject {
public:
    FixedFrameKeeper(QWidget* window, QSize outer) : QObject(window), window_(window), outer_(outer) {
        window->installEventFilter(this);
        settling_.setInterval(kSettleStepMs);
        connect(&settling_, &QTimer::timeout, this, &FixedFrameKeeper::SettleStep);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
            case QEvent::Show:
                Centre();
                Settle();
                break;
            case QEvent::Move:
            case QEvent::Resize:
                FitToFrame();
                break;
            case QEvent::WindowActivate:
                // The window manager has taken the window on and framed it.
                // If that came after the window settled and the frame is
                // still not known here, look for it once more as after a show.
                FitToFrame();
                if (!frameKnown_ && !settling_.isActive() && !lookedAgain_) {
                    lookedAgain_ = true;
                    Settle();
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    static constexpr int kSettleStepMs = 20;
    static constexpr int kSettleSteps = 150;  // 3 s
    static constexpr int kFirstAskStep = 4;    // 100 ms after the show
    static constexpr int kMaxCentrings = 10;   // per settling: a window manager may insist

    void Settle() {
        centrings_ = 0;
        settleSteps_ = 0;
        nextAskStep_ = kFirstAskStep;
        settling_.start();
    }

    // Nothing reports the frame's arrival itself, and the window system layer
    // reads the frame only when the window's geometry is reported to it; it
    // may have read it before the window manager framed the window. So while
    // the window settles, look for the frame, and while it stays unknown,
    // resize the client by one pixel and back now and then: the report of
    // that resize brings the frame along. A busy machine may frame the window
    // late, so the asks thin out (100 ms, 200 ms, 400 ms ...) but last the
    // whole 3 s.
    void SettleStep() {
        FitToFrame();
        // A move made while the frame was unknown, or crossing the window
        // manager's framing, may be taken for the client's place instead of
        // the frame's: the client then stands where the frame should. Seen
        // so, the window is centred again (a user's drag ends there hardly
        // ever, and is left alone anywhere else).
        if (frameKnown_ && centrings_ < kMaxCentrings) {
            const QPoint centre = CentredPosition(outer_);
            const bool clientWhereFrameShouldBe =
                window_->geometry().topLeft() == centre && window_->frameGeometry().topLeft() != centre;
            if (clientWhereFrameShouldBe) Centre();
        }
        if (asksForFrame_ && !frameKnown_ && settleSteps_ == nextAskStep_) {
            window_->setFixedSize(outer_ - QSize(0, ++asks_ % 2));
            nextAskStep_ = 2 * nextAskStep_ + 1;
        }
        if (++settleSteps_ >= kSettleSteps) {
            settling_.stop();
            // Without a frame the client is the whole window. The report of
            // this resize may still bring a late frame, which FitToFrame handles.
            if (!frameKnown_ && window_->size() != outer_) window_->setFixedSize(outer_);
        }
    }

    // Whenever the frame's size changes, make frame + client exactly the
    // outer size again. The window was placed before its frame was known, so
    // it stands off centre by the frame's offset: centre it again when the
    // frame first shows, however late, and on any change while the window
    // settles. After that the user may move it freely.
    void FitToFrame() {
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        if (frame.width() <= 0 && frame.height() <= 0) return;  // not framed (yet): keep the size
        if (frameKnown_ && frame == frame_) return;
        const bool firstSight = !frameKnown_;
        frameKnown_ = true;
        frame_ = frame;
        window_->setFixedSize(outer_ - frame);
        if (firstSight || settling_.isActive()) {
            Centre();
            if (!settling_.isActive()) Settle();  // to see it arrive there
        }
    }

    void Centre() {
        ++centrings_;
        window_->move(CentredPosition(outer_));
    }

    QWidget* window_;
    QSize outer_;
    QSize frame_;
    bool frameKnown_ = false;
    QTimer settling_;
    int settleSteps_ = 0;
    int nextAskStep_ = kFirstAskStep;
    int asks_ = 0;
    bool lookedAgain_ = false;
    int centrings_ = 0;
    // Only X11 reads the frame late; elsewhere it is known or there is none.
    const bool asksForFrame_ = QGuiApplication::platformName() == QLatin1String("xcb");
};

}  // namespace

QPoint CentredPosition(QSize outerSize) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->geometry();
    // Integer division rounds towards zero, also for a screen smaller than the window.
    return {area.x() + (area.width() - outerSize.width()) / 2, area.y() + (area.height() - outerSize.height()) / 2};
}

void MakeFixedFrame(QWidget* window, QSize outerSize) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(outerSize);
    new FixedFrameKeeper(window, outerSize);
}

}  // namespace zentaro
