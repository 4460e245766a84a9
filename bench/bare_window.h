// The yardstick for start-up: a plain Qt main window holding the same number
// and kinds of widgets as the program's main window, made the plainest way.
#pragma once

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

namespace zentaro::bench {

// A QMainWindow with a menu bar (three menus, eight items), an output panel
// (group box, label, plain-text box, two buttons) and a QTabWidget of six
// pages. Every page gets the group boxes, radio buttons, push buttons,
// one-line boxes, labels, combo boxes and plain widgets (for pictures) of the
// same catalogue page, at the same places and with the same words, so that
// both windows lay out and paint the same amount of text and frames.
//
// Left out on purpose, being what the program adds on top: object names,
// signal connections, button groups, field lookup, button pictures, the skin's
// style sheet, the application font, the fixed frame and the notebook's own
// placement of its group frames.
std::unique_ptr<QMainWindow> BuildBareWindow();

// Number of descendant widgets of `window` by exact class name.
std::map<std::string, int> WidgetCensus(const QWidget* window);

}  // namespace zentaro::bench
