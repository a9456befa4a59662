#pragma once
// Qt's own texts in Czech: the buttons of message boxes and dialog button
// boxes ("Storno", "Ano"), the file choosers ("Hledat v", "Název souboru",
// "Uložit"), the context menus of edit fields. Both programs load it at start.

class QTranslator;

// Installs Qt's Czech catalogue (qtbase_cs.qm, from Qt's translations folder)
// in the running application, which owns it. nullptr, and nothing changes,
// when the catalogue is not there or cannot be read (with a warning on the
// console): Qt's texts then stay in English.
QTranslator* loadQtCzechTranslation();
