#include "shared/services/once_warning.h"

#include "shared/general/escape_sequences.h"
#include "shared/general/program_identity.h"
#include "shared/services/shell_launch.h"
#include "shared/services/user_settings.h"

namespace RARUVOVOVA {
namespace {

constexpr const char* kSettingKey = "ShowOnceWarning";

std::string warningText() {
    // Kept in the escaped form of the other built-in texts: "\n" is one line break.
    const std::string escaped =
        std::string(
            "BITTE UNBEDINGT LESEN - dieser Dialog erscheint nur ein einziges Mal!\\n\\n"
            "Dieses Programm wurde nach bestem Wissen und Gewissen programmiert und vor "
            "seiner Veröffentlichung vollständig getestet. Eventuelle Fehler können daher "
            "weitestgehend ausgeschlossen werden.\\n\\n"
            "Aber: Eine 100%ige Garantie auf Fehlerlosigkeit kann jedoch kein ehrlicher "
            "Software-Entwickler geben.\\n\\n"
            "Daher sollten Sie VOR den ersten Versuchen mit diesem Utility unbedingt ein "
            "Backup der zu bearbeitenden Dateien machen - denn sicher ist sicher :-)\\n\\n"
            "Bitte beherzigen Sie diesen Vorschlag, denn die Software bietet KEINE "
            "UnDo-Funktion.\\n\\n"
            "Eventuelle Fragen und Anregungen zu diesem Produkt werden unter der "
            "E-Mail-Adresse ") +
        kSupportMail + " gerne angenommen.";
    return RARUVOVOVA2DIVFU::DecodeEscapes(escaped);
}

}  // namespace

void CheckOnceWarning(platform::Dialogs& dialogs, platform::SettingsStore& store) {
    const std::string stored = GetUserSetting(store, kSettingKey);
    const std::string current = RARUVOVOVA2DIVFU::AppVersionText(1);
    if (current == stored) return;
    dialogs.message(warningText(), RARUVOVOVA2DIVFU::ThisProgram().name,
                    platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
    SaveUserSetting(store, kSettingKey, current);
}

}  // namespace RARUVOVOVA
