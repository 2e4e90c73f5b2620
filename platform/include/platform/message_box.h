#pragma once

#include <QString>

class QWidget;

namespace platform {

// A modal message with one 确定 button and no icon, owned by `owner`. With
// no caption of its own it takes the application's name as its title.
int MessageBox(QWidget* owner, const QString& text);

} // namespace platform
