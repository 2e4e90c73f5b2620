#include "platform/window_styles.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace res {
namespace {

using namespace platform;
using enum ControlClass;

constexpr ControlTemplate kControls[] = {
    {-1, Static, u"", ss::kIcon | ws::kVisible, {15, 16, 18, 18}, IDR_MAINFRAME},
    {-1,
     Static,
     u"vidad 1.0 版",
     ss::kLeft | ss::kNoPrefix | ws::kVisible | ws::kGroup,
     {40, 10, 119, 8}},
    {-1, Static, u"版权所有 (C) 2026", ss::kLeft | ws::kVisible | ws::kGroup, {40, 25, 119, 8}},
    {kIdOk,
     Button,
     u"确定",
     bs::kDefPushButton | ws::kVisible | ws::kGroup | ws::kTabStop,
     {178, 7, 50, 16}},
};

} // namespace

const DialogTemplate kAboutBox = {
    IDD_ABOUTBOX,
    u"关于 qob",
    u"MS Shell Dlg",
    9,
    235,
    55,
    ds::kShellFont | ds::kModalFrame | ws::kPopup | ws::kCaption | ws::kSysMenu,
    0,
    kControls,
};

} // namespace res
