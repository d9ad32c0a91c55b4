#pragma once
// Qt's own dialogs (open and save, font, colour, print, the standard buttons) speak
// Japanese with Qt's own translation, as Debian installs it (qt6-translations-l10n).
class QCoreApplication;
class QTranslator;

namespace platform {

// Loads and installs Qt's Japanese translation into the application, which owns it; nullptr
// where it is not installed (Qt's dialogs then stay in English).
QTranslator* InstallQtJapanese(QCoreApplication& app);

}  // namespace platform
