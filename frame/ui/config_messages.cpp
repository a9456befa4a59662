#include "frame/ui/config_messages.h"

#include "frame/core/config.h"
#include "platform/ui/desktop.h"

namespace {
bool warnAbout(QWidget* parent, ConfigOutcome outcome) {
    switch (outcome) {
    case ConfigOutcome::Done:
        return true;
    case ConfigOutcome::CannotOpen:
        desktop::warning(parent, QStringLiteral("Nelze otevřít konfigurační soubor."));
        break;
    case ConfigOutcome::CannotRead:
        desktop::warning(parent, QStringLiteral("Nelze číst z konfiguračního souboru."));
        break;
    case ConfigOutcome::CannotWrite:
        desktop::warning(parent, QStringLiteral("Nelze zapsat do konfiguračního souboru."));
        break;
    }
    return false;
}
}  // namespace

bool loadConfigOrWarn(QWidget* parent) { return warnAbout(parent, loadConfig()); }

bool saveConfigOrWarn(QWidget* parent) { return warnAbout(parent, saveConfig()); }
