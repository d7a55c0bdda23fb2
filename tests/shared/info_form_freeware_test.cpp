// The shared info dialog: its text and mail target for both programs, placement, the single
// instance, and what each button and the banner do.
#include "shared/widgets/info_form_freeware.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "shared/general/program_identity.h"
#include "shared/services/shell_launch.h"
#include "shared/services/windows_version.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_shell.h"

namespace {

using RARUVOVOVA::InfoFormFreeware;
using RARUVOVOVA2DIVFU::ProgramIdentity;

const ProgramIdentity kIconsmith{
    "Iconsmith", {2, 1, 202}, "Aut. Einf\u00fcgen und L\u00f6schen von Favicons in Web-Seiten"};
const ProgramIdentity kKeyhand{
    "Keyhand", {2, 5, 7}, "... h\u00e4lt Ihre Internet-Passw\u00f6rter im Griff!"};

const std::string kClosing =
    "Verbesserungsvorschl\u00e4ge sind mir immer gern willkommen. Weitere interessante Tools und "
    "Infos finden Sie auf meiner Web-Site unter https://www.corvale.example/";

TEST(InfoFormFreewareText, NamesProgramVersionDescriptionYearAndSite) {
    struct Case {
        ProgramIdentity program;
        int year;
        std::string expected;
    };
    const Case cases[] = {
        {kIconsmith, 2026,
         "Iconsmith (V2.1b) \u2013 Aut. Einf\u00fcgen und L\u00f6schen von Favicons in "
         "Web-Seiten\r\rCopyright \u00a9 2001\u20132026 Corvale Software\r\r" +
             kClosing},
        {kKeyhand, 2031,
         "Keyhand (V2.5) \u2013 ... h\u00e4lt Ihre Internet-Passw\u00f6rter im Griff!\r\r"
         "Copyright \u00a9 2001\u20132031 Corvale Software\r\r" +
             kClosing},
        // Without a description the dash ends the line: no blank follows it.
        {ProgramIdentity{"Tool", {1, 0, 0}, ""}, 2027,
         "Tool (V1.0) \u2013\r\rCopyright \u00a9 2001\u20132027 Corvale Software\r\r" + kClosing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program.name);
        const std::string text = InfoFormFreeware::InfoText(c.program, c.year);
        EXPECT_EQ(text, c.expected);
        EXPECT_EQ(text.find('\n'), std::string::npos) << "line breaks are single CR characters";
    }
}

TEST(InfoFormFreewareText, MailSubjectCarriesProgramAndSystemVersionUnencoded) {
    struct Case {
        ProgramIdentity program;
        std::string systemVersion;
        std::string expected;
    };
    const Case cases[] = {
        {kIconsmith, "5.1.2600",
         "mailto:support@corvale.example?subject=Iconsmith (V2.1b) unter Windows 5.1.2600"},
        {kKeyhand, "6.1.0",
         "mailto:support@corvale.example?subject=Keyhand (V2.5) unter Windows 6.1.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program.name);
        EXPECT_EQ(InfoFormFreeware::MailTarget(c.program, c.systemVersion), c.expected);
    }
}

TEST(InfoFormFreewarePlacement, SmallScreensTopLeftOthersCentred) {
    struct Case {
        QSize screen;
        bool topLeft;
    };
    const Case cases[] = {
        {{640, 480}, true},  {{1024, 480}, true}, {{640, 1024}, true},
        {{800, 600}, false}, {{641, 481}, false}, {{1920, 1080}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.screen.width()) + "x" + std::to_string(c.screen.height()));
        EXPECT_EQ(InfoFormFreeware::PlacesAtTopLeft(c.screen), c.topLeft);
    }
}

class InfoFormFreewareDialog : public ::testing::Test {
  protected:
    void SetUp() override { RARUVOVOVA2DIVFU::UseProgramIdentity(kIconsmith); }
    void TearDown() override {
        if (auto* open = InfoFormFreeware::OpenInstance()) open->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    InfoFormFreeware* show() { return InfoFormFreeware::ShowInfo(shell, clock, nullptr); }
    static QPushButton* btn(QWidget* form, int index) {
        return form->findChild<QPushButton*>(QStringLiteral("Btn[%1]").arg(index));
    }
    static void closeAndDispose(InfoFormFreeware* form) {
        btn(form, 3)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testsupport::FakeShell shell;
    testsupport::FakeClock clock;
};

TEST_F(InfoFormFreewareDialog, ShowsCaptionAndTextModeless) {
    clock.year = 2031;
    InfoFormFreeware* form = show();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Info \u00fcber Iconsmith"));
    EXPECT_EQ(form->infoText(), InfoFormFreeware::InfoText(kIconsmith, 2031));
    auto* label = form->findChild<QLabel*>(QStringLiteral("Label[0]"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(),
              QString::fromStdString(form->infoText()).replace(QLatin1Char('\r'), '\n'));
}

TEST_F(InfoFormFreewareDialog, ButtonsStandInOneRowInTheirOrderWithoutDefault) {
    InfoFormFreeware* form = show();
    const std::pair<int, QString> expected[] = {
        {4, QStringLiteral("&Wer ist Corvale?")},
        {0, QStringLiteral("&Mail an Corvale schreiben")},
        {1, QStringLiteral("Was gibts Neues auf &Corvale?")},
        {3, QStringLiteral("Fenster &schliessen")},
    };
    QPushButton* previous = nullptr;
    for (const auto& [index, caption] : expected) {
        SCOPED_TRACE(index);
        QPushButton* button = btn(form, index);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
        if (previous) {
            EXPECT_EQ(button->y(), previous->y());
            EXPECT_GT(button->x(), previous->x());
            EXPECT_EQ(previous->nextInFocusChain(), button);
        }
        previous = button;
    }
}

TEST_F(InfoFormFreewareDialog, ButtonsAndBannerOpenTheirTargetsAndKeepTheDialogOpen) {
    InfoFormFreeware* form = show();
    const std::string mail =
        InfoFormFreeware::MailTarget(kIconsmith, RARUVOVOVA::WindowsVersionText());
    struct Case {
        const char* control;
        std::string target;
        int showMode;
    };
    const Case cases[] = {
        {"Btn[0]", mail, 1},
        {"Btn[1]", RARUVOVOVA::kMakerSite, 3},
        {"Btn[4]", RARUVOVOVA::kMakerAboutPage, 1},
        {"Image1", RARUVOVOVA::kMakerSite, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        shell.requests.clear();
        auto* control = form->findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr);
        QTest::mouseClick(control, Qt::LeftButton);
        ASSERT_EQ(shell.requests.size(), 1u);
        EXPECT_EQ(shell.requests[0].verb, platform::ShellVerb::Open);
        EXPECT_EQ(shell.requests[0].target, c.target);
        EXPECT_EQ(shell.requests[0].showMode, c.showMode);
        EXPECT_TRUE(form->isVisible());
    }
}

TEST_F(InfoFormFreewareDialog, SingleInstanceReloadedAfterClosing) {
    clock.year = 2026;
    InfoFormFreeware* first = show();
    EXPECT_EQ(show(), first) << "a second showing brings the open dialog forward";
    EXPECT_EQ(QApplication::topLevelWidgets().count(first), 1);

    closeAndDispose(first);
    EXPECT_EQ(InfoFormFreeware::OpenInstance(), nullptr);
    EXPECT_TRUE(shell.requests.empty()) << "closing opens nothing";

    clock.year = 2027;  // a year change between two showings
    InfoFormFreeware* second = show();
    EXPECT_NE(second->infoText().find("2001\u20132027"), std::string::npos);
}

TEST_F(InfoFormFreewareDialog, ShowingRightAfterClosingBuildsANewDialog) {
    InfoFormFreeware* first = show();
    btn(first, 3)->click();  // deleted only once the event loop gets to it
    InfoFormFreeware* second = show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(InfoFormFreeware::OpenInstance(), second) << "the new dialog outlives the old one";
    EXPECT_TRUE(second->isVisible());
}

TEST_F(InfoFormFreewareDialog, CentredOnALargeScreen) {
    InfoFormFreeware* form = show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ASSERT_FALSE(InfoFormFreeware::PlacesAtTopLeft(screen.size()));
    // Window frames are known only once shown, so the middle may be off by a border's width.
    const QPoint offset = form->frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(offset.x()), 4);
    EXPECT_LE(std::abs(offset.y()), 4);
    EXPECT_GT(form->frameGeometry().top(), 40) << "not in the top-left corner";
}

}  // namespace
