#pragma once

#include <cstdint>
#include <string>

// What the page's scripts (page.js and those beside it) do for the backend.
// Elements are handles into the scripts' table, 0 being none; texts cross
// as UTF-16 with their length. The scripts never call into the program:
// they queue events, and the innermost modal run takes them (see
// modal_run.h).
extern "C" {

// Sleeps until the next event; fills kind, window and argument.
void vidad_wait_event(std::int32_t* event);
// Sets the page up for the program with the numbers they share (the JSON
// text of web::PageNumbers), then sleeps until the dialog font is ready to
// measure and draw.
void vidad_start_page(const char16_t* numbers, std::int32_t length);

// The fonts' own measures, in CSS pixels: the 52 Latin letters' advance
// and the height of a line, in the dialog font at `pixelSize`.
std::int32_t vidad_letters_width(double pixelSize);
std::int32_t vidad_font_height(double pixelSize);

// A dialog window of the client size: the application's own window, or a
// box modal over the page.
std::int32_t vidad_create_window(std::int32_t templateId, bool modal, std::int32_t clientWidth,
                                 std::int32_t clientHeight, double pixelSize);
void vidad_show_window(std::int32_t window);
void vidad_set_window_icon(std::int32_t window, std::int32_t iconId);

// A control of the class (ControlClass, kIconControl or kCanvasControl) in the window's
// client area at the pixel rectangle; appended after those before it.
std::int32_t vidad_create_control(std::int32_t window, std::int32_t controlClass, std::int32_t id,
                                  std::uint32_t style, std::int32_t x, std::int32_t y,
                                  std::int32_t width, std::int32_t height);
void vidad_append_control(std::int32_t window, std::int32_t control);
void vidad_focus(std::int32_t element);
void vidad_remove(std::int32_t element);

void vidad_set_text(std::int32_t element, const char16_t* text, std::int32_t length);
// Copies at most `capacity` units of the text; returns its whole length.
std::int32_t vidad_get_text(std::int32_t element, char16_t* text, std::int32_t capacity);
// kAriaLabel or kAriaDescription; an empty text removes it.
void vidad_set_aria(std::int32_t element, std::int32_t which, const char16_t* text,
                    std::int32_t length);

// The canvas's bitmap sized to the device pixels its control covers, as the
// page lays it out; fills their width and height, and the side of the
// square of them that stands for one of the control's own pixels.
void vidad_fit_canvas(std::int32_t canvas, std::int32_t* fitted);
// Shows the RGBA pixels on the canvas.
void vidad_put_pixels(std::int32_t canvas, const std::uint32_t* pixels, std::int32_t width,
                      std::int32_t height);

// The dialog's painting: what TextOut and DrawIcon left is cleared, then
// text and icons are laid on the client area, under the controls.
void vidad_clear_painting(std::int32_t window);
void vidad_text_out(std::int32_t window, std::int32_t x, std::int32_t y, const char16_t* text,
                    std::int32_t length, bool opaque);
void vidad_draw_icon(std::int32_t window, std::int32_t x, std::int32_t y, std::int32_t iconId);

// The window menu at the place it was asked for: items are added, then shown.
void vidad_menu_add(std::int32_t window, std::uint32_t commandId, const char16_t* text,
                    std::int32_t length);
void vidad_menu_show(std::int32_t window);

// A message box with its text, caption and 确定.
std::int32_t vidad_message_box(const char16_t* text, std::int32_t length, const char16_t* caption,
                               std::int32_t captionLength);

// Today's local date: year, month and day.
void vidad_local_date(std::int32_t* date);

// The program has returned: the page says so and offers to start it again.
void vidad_program_ended();
}

namespace platform::web {

// The kinds of queued events.
enum EventKind : std::int32_t {
    kCommandEvent = 1,       // argument: the command id
    kSystemCommandEvent = 2, // argument: the system command id
    kContextMenuEvent = 3,   // the window menu was asked for
    kRepaintEvent = 4,       // the device pixel ratio or the layout changed
};

// Control classes beyond the template's own (ControlClass).
inline constexpr std::int32_t kIconControl = 3;
inline constexpr std::int32_t kCanvasControl = 4;
inline constexpr std::int32_t kAriaLabel = 0;
inline constexpr std::int32_t kAriaDescription = 1;

// The numbers of this file and of the templates' styles, ids and classes
// that the page's scripts use, as a JSON object keyed by their C++ names
// below namespace platform ("ws::kVisible"), so that the scripts write
// none of their own.
std::u16string PageNumbers();

} // namespace platform::web
