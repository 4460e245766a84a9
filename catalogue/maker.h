// The maker's details, shown in the main window's title and the Help windows.
#pragma once

#include <string_view>

// Macros so that the address can be glued into constant texts at compile time.
#define ZENTARO_MAKER_WEB_ADDRESS "www.velmora.example"
#define ZENTARO_CONTACT_NUMBER "10000000"

namespace zentaro {

inline constexpr std::string_view kMakerWebAddress = ZENTARO_MAKER_WEB_ADDRESS;
inline constexpr std::string_view kContactNumber = ZENTARO_CONTACT_NUMBER;
inline constexpr std::string_view kMainWindowTitle = "Velmora传媒--Zentaro--Powered By " ZENTARO_MAKER_WEB_ADDRESS;

}  // namespace zentaro
