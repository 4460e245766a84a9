// The program's look: its default font and its skins.
#pragma once

namespace zentaro {

// The font every control uses unless it names its own: 12 px, the size the
// page layouts are drawn for, in the platform's default face.
void UseDefaultGuiFont();

// Applies skin `skinNumber` to every window of the program. Skin 13 is the
// program's light theme; a number without a skin leaves the platform look.
void ApplySkin(int skinNumber);

inline constexpr int kStartupSkin = 13;

}  // namespace zentaro
