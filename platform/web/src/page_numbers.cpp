#include "icon_size.h"
#include "page.h"
#include "platform/dialog_template.h"
#include "platform/window_styles.h"

#include <cstdint>
#include <string>

namespace platform::web {
namespace {

struct PageNumber {
    const char* name;
    std::int64_t value;
};

constexpr PageNumber Number(const char* name, auto value) {
    return {name, static_cast<std::int64_t>(value)};
}

// The name is the one the source spells, so the two cannot drift apart.
#define VIDAD_PAGE_NUMBER(name) Number(#name, name)

// Each one a page script asks for by name (Page.number), and no other.
constexpr PageNumber kPageNumbers[] = {
    VIDAD_PAGE_NUMBER(web::kCommandEvent),
    VIDAD_PAGE_NUMBER(web::kSystemCommandEvent),
    VIDAD_PAGE_NUMBER(web::kContextMenuEvent),
    VIDAD_PAGE_NUMBER(web::kRepaintEvent),
    VIDAD_PAGE_NUMBER(ControlClass::Button),
    VIDAD_PAGE_NUMBER(ControlClass::Edit),
    VIDAD_PAGE_NUMBER(web::kIconControl),
    VIDAD_PAGE_NUMBER(web::kCanvasControl),
    VIDAD_PAGE_NUMBER(web::kAriaLabel),
    VIDAD_PAGE_NUMBER(ws::kVisible),
    VIDAD_PAGE_NUMBER(bs::kDefPushButton),
    VIDAD_PAGE_NUMBER(es::kNumber),
    VIDAD_PAGE_NUMBER(kIdOk),
    VIDAD_PAGE_NUMBER(kIdCancel),
    VIDAD_PAGE_NUMBER(sc::kClose),
    VIDAD_PAGE_NUMBER(kIconSize),
};

#undef VIDAD_PAGE_NUMBER

} // namespace

std::u16string PageNumbers() {
    std::string json;
    for (const auto& [name, value] : kPageNumbers) {
        json += json.empty() ? '{' : ',';
        json += '"';
        json += name;
        json += "\":";
        json += std::to_string(value);
    }
    json += '}';
    return {json.begin(), json.end()};
}

} // namespace platform::web
