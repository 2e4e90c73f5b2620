// The user interface talks only to platform's own headers, so that the same
// sources build over every backend. This fails the build should a toolkit's
// headers reach ui: Qt's if its include folders are on ui's path at all;
// windows.h and emscripten's, which their builds always find, if a platform
// header brings them in.
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
#include "ui/about_dlg.h"
#include "ui/biorhythm_app.h"
#include "ui/biorhythm_dlg.h"
#include "ui/decimal_text.h"
#include "ui/mynew.h"

#if __has_include(<QtCore/qglobal.h>)
#error "ui must not see Qt's headers; it reaches the toolkit through platform only"
#endif

#if defined(_WINDOWS_) || defined(_WINDEF_) || defined(_WINUSER_)
#error "ui must not include windows.h; it reaches the window system through platform only"
#endif

#if defined(EMSCRIPTEN_KEEPALIVE) || defined(EM_JS) || defined(EM_ASM)
#error "ui must not include emscripten's headers; it reaches the page through platform only"
#endif
