#pragma once

#include <cstdint>
#include <span>

// A dialog described as data, in dialog units, the way resource templates
// describe it: the window, then its controls in creation and tab order.
namespace platform {

enum class ControlClass { Button, Edit, Static };

struct DialogUnitRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    int id;
    ControlClass controlClass;
    const char16_t* text;
    std::uint32_t style;
    DialogUnitRect rect;
    int iconId = 0; // the icon a static icon control shows
};

struct DialogTemplate {
    int id;
    const char16_t* caption;
    const char16_t* fontName;
    int pointSize;
    int width;
    int height;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::span<const ControlTemplate> controls;
};

} // namespace platform
