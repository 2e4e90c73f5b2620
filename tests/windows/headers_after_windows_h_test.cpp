// Every public platform header compiles after the window system's own
// headers, whose macros (WS_POPUP, IDOK, SM_CXICON and the rest) would
// otherwise replace platform's names of the same spelling; and the values
// platform gives the templates are the window system's own.
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/color.h"
#include "platform/common_controls.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/geometry.h"
#include "platform/message_box.h"
#include "platform/pixel_rules.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "platform/system_menu.h"
#include "platform/system_metrics.h"
#include "platform/window.h"
#include "platform/window_styles.h"

#include <windows.h>

namespace platform {

static_assert(ws::kPopup == WS_POPUP && ws::kVisible == WS_VISIBLE && ws::kCaption == WS_CAPTION);
static_assert(ws::kBorder == WS_BORDER && ws::kSysMenu == WS_SYSMENU && ws::kGroup == WS_GROUP);
static_assert(ws::kMinimizeBox == WS_MINIMIZEBOX && ws::kTabStop == WS_TABSTOP);
static_assert(ws_ex::kAppWindow == WS_EX_APPWINDOW);
static_assert(ds::kModalFrame == DS_MODALFRAME && ds::kShellFont == DS_SHELLFONT);
static_assert(bs::kPushButton == BS_PUSHBUTTON && bs::kDefPushButton == BS_DEFPUSHBUTTON);
static_assert(es::kAutoHScroll == ES_AUTOHSCROLL && es::kNumber == ES_NUMBER);
static_assert(ss::kLeft == SS_LEFT && ss::kIcon == SS_ICON && ss::kTypeMask == SS_TYPEMASK);
static_assert(ss::kNoPrefix == SS_NOPREFIX);
static_assert(kIdOk == IDOK && kIdCancel == IDCANCEL);
static_assert(sc::kMinimize == SC_MINIMIZE && sc::kClose == SC_CLOSE);
static_assert(sm::kCxIcon == SM_CXICON && sm::kCyIcon == SM_CYICON);

} // namespace platform
