#pragma once

class QCoreApplication;

namespace platform {

// Installs Qt's own simplified-Chinese texts (edit menus, standard buttons,
// Qt's dialogs), so that they match the program whatever the system's
// language. False when the translations are not installed.
bool LoadQtTranslations(QCoreApplication& app);

} // namespace platform
