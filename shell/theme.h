// The program's look: its default font and its skins.
#pragma once

namespace zentaro {

// The font every control uses unless it names its own: 12 px, the size the
// page layouts are drawn for, in the platform's default face.
void UseDefaultGuiFont();

// Applies skin `skinNumber` to every window of the program, those open and
// those still to come. Skin 13 is the program's light theme (Fusion with the
// skin's colours); a number without a skin leaves the look as it is.
void ApplySkin(int skinNumber);

inline constexpr int kStartupSkin = 13;

}  // namespace zentaro
