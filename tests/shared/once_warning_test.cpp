#include "shared/services/once_warning.h"

#include <gtest/gtest.h>

#include "shared/general/program_identity.h"
#include "shared/services/user_settings.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/fake_settings_store.h"

using namespace RARUVOVOVA;
using testsupport::FakeSettingsStore;

namespace {

const std::string kAddress =
    FakeSettingsStore::address("Corvale Software", "Iconsmith", "ShowOnceWarning");

const std::string kWarning =
    "BITTE UNBEDINGT LESEN - dieser Dialog erscheint nur ein einziges Mal!\r\r"
    "Dieses Programm wurde nach bestem Wissen und Gewissen programmiert und vor seiner "
    "Veröffentlichung vollständig getestet. Eventuelle Fehler können daher weitestgehend "
    "ausgeschlossen werden.\r\r"
    "Aber: Eine 100%ige Garantie auf Fehlerlosigkeit kann jedoch kein ehrlicher "
    "Software-Entwickler geben.\r\r"
    "Daher sollten Sie VOR den ersten Versuchen mit diesem Utility unbedingt ein Backup der zu "
    "bearbeitenden Dateien machen - denn sicher ist sicher :-)\r\r"
    "Bitte beherzigen Sie diesen Vorschlag, denn die Software bietet KEINE UnDo-Funktion.\r\r"
    "Eventuelle Fragen und Anregungen zu diesem Produkt werden unter der E-Mail-Adresse "
    "support@corvale.example gerne angenommen.";

}  // namespace

TEST(CheckOnceWarning, ShowsOncePerProgramVersion) {
    RARUVOVOVA2DIVFU::UseProgramIdentity(
        {"Iconsmith", {2, 1, 202}, "Aut. Einfügen und Löschen von Favicons in Web-Seiten"});
    struct Case {
        const char* name;
        const char* stored;  // nullptr: never stored
        bool shown;
    };
    const Case cases[] = {
        {"first start", nullptr, true},     {"same version", "2.1.202", false},
        {"older version", "2.1.201", true}, {"trailing blank", "2.1.202 ", true},
        {"other form", " (V2.1b)", true},   {"empty value", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSettingsStore store;
        if (c.stored != nullptr) store.values[kAddress] = c.stored;
        testsupport::FakeDialogs dialogs;
        CheckOnceWarning(dialogs, store);
        ASSERT_EQ(dialogs.messages.size(), c.shown ? 1u : 0u);
        EXPECT_EQ(store.values[kAddress], "2.1.202");
        if (c.shown) {
            EXPECT_EQ(dialogs.messages[0].text, kWarning);
            EXPECT_EQ(dialogs.messages[0].title, "Iconsmith");
            EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Exclamation);
            EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::Ok);
        }
        // The next start of the same version stays quiet.
        CheckOnceWarning(dialogs, store);
        EXPECT_EQ(dialogs.messages.size(), c.shown ? 1u : 0u);
    }
}

TEST(UserSettings, LiveUnderTheMakerAndTheProgramsName) {
    RARUVOVOVA2DIVFU::UseProgramIdentity({"Iconsmith", {2, 1, 202}, ""});
    FakeSettingsStore store;
    EXPECT_EQ(GetUserSetting(store, "ShowOnceWarning"), "");
    SaveUserSetting(store, "ShowOnceWarning", "2.1.202");
    EXPECT_EQ(store.values.at(kAddress), "2.1.202");
    EXPECT_EQ(GetUserSetting(store, "ShowOnceWarning"), "2.1.202");
}
