#include "window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zentaro {
namespace {

class FixedFrameKeeper : public QObject {
public:
    FixedFrameKeeper(QWidget* window, QSize outer) : QObject(window), window_(window), outer_(outer) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
            case QEvent::Show:
                window_->move(CentredPosition(outer_));
                break;
            case QEvent::Move:
            case QEvent::Resize:
                FitToFrame();
                break;
            default:
                break;
        }
        return false;
    }

private:
    // Once the frame is known, make frame + client exactly the outer size and
    // centre again; after that the user may move the window freely.
    void FitToFrame() {
        if (fitted_) return;
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        if (frame.isEmpty() && frame.width() == 0 && frame.height() == 0) return;
        fitted_ = true;
        if (window_->frameGeometry().size() != outer_) window_->setFixedSize(outer_ - frame);
        window_->move(CentredPosition(outer_));
    }

    QWidget* window_;
    QSize outer_;
    bool fitted_ = false;
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
