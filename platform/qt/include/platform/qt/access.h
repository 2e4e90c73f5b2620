#pragma once

#include <QDialog>
#include <QWidget>

namespace platform {
class Dialog;
class Window;
} // namespace platform

// The Qt widgets behind platform's windows, for tests and benchmarks that
// drive and inspect them. A control no dialog has taken is a top-level
// widget of its own.
namespace platform::qt {

QWidget& WidgetOf(const Window& window);
QDialog& DialogOf(const Dialog& dialog);

// The control with the id, built now if the dialog has not built it yet.
QWidget* GetDlgItem(Dialog& dialog, int id);

// The window class name a painted static control carries, such as "mynew".
QString ClassNameOf(const QWidget& widget);

} // namespace platform::qt
