// Small fixed windows opened from the catalogue pages and the Help menu:
// the parameter pickers, the sample pictures and the About/notice/feedback
// windows. All of them are plain data, built by one generic window builder.
#pragma once

#include "model.h"

#include <cstdint>

namespace zentaro {

// A radio button in a picker: a click writes `value` into the main window's
// field `field`, replacing its whole text.
struct PickerItem {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    std::string_view value;
    std::string_view field;
};

// Static text with its own colour and font height (0 = the default font).
struct TextLabel {
    std::string_view name;
    Rect rect;
    std::string_view text;
    std::uint32_t rgb = 0x000000;
    int pixelHeight = 0;
    bool wordWrap = false;
};

using WindowControl = std::variant<PickerItem, PictureBox, TextLabel>;

struct SubWindow {
    std::string_view title;
    Size outer;  // frame and title bar included
    std::span<const WindowControl> controls;
};

using PickerWindow = SubWindow;
using DemoWindow = SubWindow;

enum class InfoWindowId : unsigned char { About, Notice, Feedback };

const PickerWindow& Picker(PickerId id);
const DemoWindow& Demo(DemoId id);
const SubWindow& InfoWindow(InfoWindowId id);

std::span<const PickerId> AllPickers();
std::span<const DemoId> AllDemos();
std::span<const InfoWindowId> AllInfoWindows();

constexpr std::string_view WindowControlName(const WindowControl& control) {
    return std::visit([](const auto& c) { return c.name; }, control);
}

}  // namespace zentaro
