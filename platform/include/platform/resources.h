#pragma once

#include <memory>
#include <span>
#include <string>
#include <utility>

// The program's string table and icons, found by resource id.
namespace platform {

struct StringResource {
    int id;
    const char16_t* text;
};

// The table LoadString reads; the program registers its own at start-up.
void SetStringTable(std::span<const StringResource> table);

// The string with the id, or an empty string when there is none.
std::u16string LoadString(int id);

// An icon group: every size of one icon. Copies share the images.
class Icon {
public:
    struct Native;

    Icon() = default;
    explicit Icon(std::shared_ptr<const Native> native) : native_(std::move(native)) {}

    const Native* GetNative() const { return native_.get(); }

private:
    std::shared_ptr<const Native> native_;
};

// The icon group with the id; an icon without images when there is none.
Icon LoadIcon(int id);

} // namespace platform
