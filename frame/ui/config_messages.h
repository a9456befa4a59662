#pragma once
// Reading and writing "mindgrid.cfg" with the warnings the user sees.

class QWidget;

// Both show "Nelze otevřít konfigurační soubor.", "Nelze číst z konfiguračního
// souboru." or "Nelze zapsat do konfiguračního souboru." in a warning box when
// they fail, and return whether they succeeded.
bool loadConfigOrWarn(QWidget* parent);
bool saveConfigOrWarn(QWidget* parent);
