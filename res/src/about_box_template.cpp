#include "platform/window_styles.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace res {
namespace {

using namespace platform;
using enum ControlClass;

constexpr ControlTemplate kControls[] = {
    {-1, Static, u"", SS_ICON | WS_VISIBLE, {15, 16, 18, 18}, IDR_MAINFRAME},
    {-1, Static, u"vidad 1.0 版", SS_LEFT | SS_NOPREFIX | WS_VISIBLE | WS_GROUP, {40, 10, 119, 8}},
    {-1, Static, u"版权所有 (C) 2026", SS_LEFT | WS_VISIBLE | WS_GROUP, {40, 25, 119, 8}},
    {IDOK,
     Button,
     u"确定",
     BS_DEFPUSHBUTTON | WS_VISIBLE | WS_GROUP | WS_TABSTOP,
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
    DS_SHELLFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    0,
    kControls,
};

} // namespace res
