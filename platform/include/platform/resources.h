#pragma once

#include <QIcon>
#include <QString>
#include <span>

// The program's string table and icons, found by resource id.
namespace platform {

struct StringResource {
    int id;
    const char16_t* text;
};

// The table LoadString reads; the program registers its own at start-up.
void SetStringTable(std::span<const StringResource> table);

// The string with the id, or an empty string when there is none.
QString LoadString(int id);

// The icon group with the id: every image under ":/icons/<id>/", each held
// as raw RGBA rows in a file named by its size ("32.rgba"), so that no image
// decoder is needed to show it.
QIcon LoadIcon(int id);

// The standard icon size in pixels.
inline constexpr int kIconSize = 32;

} // namespace platform
