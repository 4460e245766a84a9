// Every picture the program carries, one drawing function each.
#pragma once

#include <QImage>

namespace pictures {

// Button faces (buttons.cpp).
QImage copyButton();   // 105 x 30
QImage clearButton();  // 105 x 30
QImage flashButton();  // 105 x 30

// Sample pages of a finished site (sample_lists.cpp, sample_pagers.cpp).
QImage articleListSample();  // 365 x 267
QImage articlePageSample();  // 654 x 117
QImage softwarePageSample(); // 633 x 102
QImage pagerSample();        // 463 x 48
QImage searchPagerSample();  // 672 x 138

// Banners (banners.cpp).
QImage aboutBanner(); // 431 x 105
QImage adBanner();    // 271 x 66

} // namespace pictures
