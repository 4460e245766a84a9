// Starts the program: the main window, centred, until it is closed.
#include "main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zentaro::MainWindow window;
    window.show();
    return app.exec();
}
