#include "platform/win32/dialog_template.h"

#include "platform/win32/windows_api.h"

#include <string_view>

namespace platform::win32 {
namespace {

// Predefined window classes by their ordinal.
constexpr std::uint16_t kButtonClass = 0x0080;
constexpr std::uint16_t kEditClass = 0x0081;
constexpr std::uint16_t kStaticClass = 0x0082;
constexpr std::uint16_t kOrdinal = 0xFFFF;

class Writer {
public:
    void Word(std::uint16_t value) { words_.push_back(value); }
    void Dword(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Text(std::u16string_view text) {
        words_.insert(words_.end(), text.begin(), text.end());
        Word(0);
    }
    // Each item starts on a 32-bit boundary.
    void AlignToDword() {
        if (words_.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<std::uint16_t> Take() { return std::move(words_); }

private:
    std::vector<std::uint16_t> words_;
};

std::uint16_t ClassOrdinal(ControlClass controlClass) {
    switch (controlClass) {
    case ControlClass::Button:
        return kButtonClass;
    case ControlClass::Edit:
        return kEditClass;
    case ControlClass::Static:
        break;
    }
    return kStaticClass;
}

void WriteItem(Writer& out, const ControlTemplate& item) {
    out.AlignToDword();
    out.Dword(0); // help id
    out.Dword(0); // extended style
    out.Dword(item.style | WS_CHILD);
    out.Word(static_cast<std::uint16_t>(item.rect.x));
    out.Word(static_cast<std::uint16_t>(item.rect.y));
    out.Word(static_cast<std::uint16_t>(item.rect.width));
    out.Word(static_cast<std::uint16_t>(item.rect.height));
    out.Dword(static_cast<std::uint32_t>(item.id));
    out.Word(kOrdinal);
    out.Word(ClassOrdinal(item.controlClass));
    // An icon control names its icon resource by ordinal.
    if (item.iconId != 0) {
        out.Word(kOrdinal);
        out.Word(static_cast<std::uint16_t>(item.iconId));
    } else {
        out.Text(item.text);
    }
    out.Word(0); // no creation data
}

} // namespace

std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialog) {
    Writer out;
    out.Word(1);      // version
    out.Word(0xFFFF); // the extended template's signature
    out.Dword(0);     // help id
    out.Dword(dialog.exStyle);
    out.Dword(dialog.style);
    out.Word(static_cast<std::uint16_t>(dialog.controls.size()));
    out.Word(0); // x
    out.Word(0); // y
    out.Word(static_cast<std::uint16_t>(dialog.width));
    out.Word(static_cast<std::uint16_t>(dialog.height));
    out.Word(0); // no menu
    out.Word(0); // the standard dialog class
    out.Text(dialog.caption);
    if (dialog.style & DS_SETFONT) {
        out.Word(static_cast<std::uint16_t>(dialog.pointSize));
        out.Word(FW_DONTCARE);
        out.Word(DEFAULT_CHARSET << 8); // not italic, then the character set
        out.Text(dialog.fontName);
    }
    for (const ControlTemplate& item : dialog.controls) {
        WriteItem(out, item);
    }
    return out.Take();
}

} // namespace platform::win32
