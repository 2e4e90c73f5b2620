#include "platform/window_styles.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace res {
namespace {

using namespace platform;
using enum ControlClass;

constexpr std::uint32_t kVisible = ws::kVisible;
constexpr std::uint32_t kLabel = ss::kLeft | ws::kVisible | ws::kGroup;
constexpr std::uint32_t kDateField =
    es::kAutoHScroll | es::kNumber | ws::kBorder | ws::kVisible | ws::kTabStop;

// Template order is creation and tab order: the OK button first, then the
// hidden Cancel button that only carries the cancel command, then the
// curves, labels, prompt and units, and the three date fields last.
constexpr ControlTemplate kControls[] = {
    {kIdOk, Button, u"确定", bs::kDefPushButton | kVisible | ws::kTabStop, {183, 32, 50, 18}},
    {kIdCancel, Button, u"取消", bs::kPushButton | ws::kTabStop, {183, 60, 50, 16}},
    {IDC_CURVE_INTELLECT, Static, u"Static", ss::kLeft | kVisible | ws::kGroup, {93, 58, 140, 25}},
    {IDC_CURVE_EMOTION, Static, u"", ss::kLeft | kVisible, {94, 86, 139, 25}},
    {IDC_CURVE_PHYSICAL, Static, u"", ss::kLeft | kVisible, {94, 115, 139, 24}},
    {IDC_LABEL_INTELLECT, Static, u"智力周期（33天）", kLabel, {7, 57, 66, 17}},
    {IDC_LABEL_EMOTION, Static, u"情绪周期（28天）", kLabel, {7, 87, 64, 17}},
    {IDC_LABEL_PHYSICAL, Static, u"体力周期（23天）", kLabel, {7, 117, 71, 22}},
    {-1, Static, u"请输入你的出生日期(阳历)", kLabel, {10, 33, 54, 18}},
    {-1, Static, u"日", kLabel, {173, 36, 8, 8}},
    {-1, Static, u"月", kLabel, {141, 36, 10, 9}},
    {-1, Static, u"年", kLabel, {111, 36, 8, 9}},
    {IDC_EDIT_YEAR, Edit, u"", kDateField, {77, 34, 32, 13}},
    {IDC_EDIT_MONTH, Edit, u"", kDateField, {121, 34, 18, 12}},
    {IDC_EDIT_DAY, Edit, u"", kDateField, {151, 33, 21, 13}},
};

} // namespace

const DialogTemplate kMainDialog = {
    IDD_MAIN_DIALOG,
    u"vidad",
    u"MS Shell Dlg",
    8,
    240,
    146,
    ds::kShellFont | ds::kModalFrame | ws::kPopup | ws::kVisible | ws::kCaption | ws::kSysMenu |
        ws::kMinimizeBox,
    ws_ex::kAppWindow,
    kControls,
};

} // namespace res
