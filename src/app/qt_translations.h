#pragma once

class QCoreApplication;

namespace vz {

// Makes Qt's own texts (the buttons of the message boxes: "Áno", "Nie")
// Slovak, whatever the system language. Without the translation files Qt
// keeps its English texts.
void installQtTranslations(QCoreApplication& app);

} // namespace vz
