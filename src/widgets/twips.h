#pragma once

#include <QRect>

namespace coilwise {

// Window layouts are given in twips; 15 twips make one logical pixel (96 dpi). Qt scales logical
// pixels on high-DPI screens, so this is the only conversion the windows need.
constexpr int twips(int value) {
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace coilwise
