#pragma once

#include "platform/geometry.h"

#include <memory>
#include <string_view>

namespace platform {

// A window of the window system: a dialog or one of its controls. The
// toolkit's own window behind it is the backend's business (see
// platform/README.md).
class Window {
public:
    struct Native;

    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // An edit's or a label's text, or otherwise the window's title.
    void SetWindowText(std::u16string_view text);

    // What a screen reader says the window is, and what it says of its state.
    void SetAccessibleName(std::u16string_view name);
    void SetAccessibleDescription(std::u16string_view description);

    // The client area in pixels, left and top 0.
    Rect GetClientRect() const;
    bool IsIconic() const;

    Native& GetNative() const { return *native_; }

protected:
    explicit Window(std::unique_ptr<Native> native);

private:
    std::unique_ptr<Native> native_;
};

} // namespace platform
