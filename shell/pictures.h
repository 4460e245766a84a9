// Pictures embedded in the program and the widget that shows them.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <string_view>

namespace zentaro {

// Registers the embedded pictures and theme; safe to call more than once.
void InitResources();

// The embedded picture of that file name; a null pixmap if there is none.
QPixmap LoadPicture(std::string_view fileName);

// Draws its picture at natural size from the top-left corner, clipped, on the
// button-face colour. Never scales. Handles no input.
class PictureView : public QWidget {
public:
    PictureView(QPixmap picture, QWidget* parent);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace zentaro
