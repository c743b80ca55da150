#pragma once

#include <QColor>
#include <cstdint>

namespace tandarel::ui {

// Colours are given as 0xBBGGRR (blue, green, red): bgr(0x00C0FF) is orange.
inline QColor bgr(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace tandarel::ui
