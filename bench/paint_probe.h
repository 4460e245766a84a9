// Waiting for a widget's paint, the moment its pixels exist.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace zentaro::bench {

// Watches one widget for its next paint event. Wait() processes events until
// that paint event has been delivered and the event that caused it (expose or
// update request) has been handled to its end: the widget and every child
// painted in the same pass are then drawn into the backing store and flushed
// to the window system. This is the moment the user could see the pixels.
class PaintProbe : public QObject {
public:
    explicit PaintProbe(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintProbe() override { widget_->removeEventFilter(this); }

    void Arm() { painted_ = false; }

    // False when no paint came within the timeout.
    bool Wait(int timeoutMs = 10000) {
        QElapsedTimer timer;
        timer.start();
        while (!painted_) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (!painted_ && timer.elapsed() > timeoutMs) return false;
        }
        return true;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint) painted_ = true;
        return false;
    }

private:
    QWidget* widget_;
    bool painted_ = false;
};

}  // namespace zentaro::bench
