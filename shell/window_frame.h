// Every window of the program has a fixed, movable frame without a maximise
// button, a fixed outer size (frame and title bar included) and is placed
// centred on the primary screen each time it is created.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace zentaro {

// Sets the window flags and fixed size, and centres the window when it is
// shown. Frame margins are only known once the window system has framed the
// window, so the client size is corrected then, keeping the outer size.
void MakeFixedFrame(QWidget* window, QSize outerSize);

// Top-left corner of a window of that outer size centred on the primary screen.
QPoint CentredPosition(QSize outerSize);

}  // namespace zentaro
