#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <functional>

#include "shared/widgets/qt_platform.h"

using namespace platform;

namespace {

// Runs action on the modal dialog as soon as it is open (the test owns no other way in).
void WhenModalOpens(std::function<void(QWidget&)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        timer->stop();
        timer->deleteLater();
        action(*modal);
    });
    timer->start();
}

QStringList buttonTexts(QWidget& box) {
    QStringList texts;
    for (auto* button : box.findChildren<QPushButton*>()) texts << button->text();
    texts.sort();
    return texts;
}

QPushButton* buttonWithText(QWidget& box, const QString& text) {
    for (auto* button : box.findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

}  // namespace

TEST(QtDialogs, MessageBoxesSpeakGermanAndReturnThePressedButton) {
    struct Case {
        const char* name;
        MessageButtons buttons;
        DefaultButton defaultButton;
        QStringList texts;    // all buttons, sorted
        QString defaultText;  // the button Enter would press
        QString press;        // empty: close the box with Escape
        Answer expected;
    };
    const Case cases[] = {
        {"ok", MessageButtons::Ok, DefaultButton::First, {"OK"}, "OK", "OK", Answer::Ok},
        {"ok closed", MessageButtons::Ok, DefaultButton::First, {"OK"}, "OK", "", Answer::Ok},
        {"cancel",
         MessageButtons::OkCancel,
         DefaultButton::First,
         {"Abbrechen", "OK"},
         "OK",
         "Abbrechen",
         Answer::Cancel},
        {"ok/cancel closed",
         MessageButtons::OkCancel,
         DefaultButton::Second,
         {"Abbrechen", "OK"},
         "Abbrechen",
         "",
         Answer::Cancel},
        {"yes",
         MessageButtons::YesNo,
         DefaultButton::First,
         {"Ja", "Nein"},
         "Ja",
         "Ja",
         Answer::Yes},
        {"no by default",
         MessageButtons::YesNo,
         DefaultButton::Second,
         {"Ja", "Nein"},
         "Nein",
         "Nein",
         Answer::No},
        {"yes/no closed",
         MessageButtons::YesNo,
         DefaultButton::First,
         {"Ja", "Nein"},
         "Ja",
         "",
         Answer::No},
    };
    QWidget owner;
    QtDialogs dialogs(&owner);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList seenTexts;
        QString seenDefault, seenText, seenTitle;
        Qt::TextFormat seenFormat = Qt::AutoText;
        WhenModalOpens([&](QWidget& modal) {
            auto& box = dynamic_cast<QMessageBox&>(modal);
            seenTexts = buttonTexts(box);
            seenDefault = box.defaultButton() ? box.defaultButton()->text() : QString();
            seenText = box.text();
            seenTitle = box.windowTitle();
            seenFormat = box.textFormat();
            if (c.press.isEmpty()) {
                box.reject();
            } else {
                buttonWithText(box, c.press)->click();
            }
        });
        // A tag-like first line stays text, it is not read as HTML.
        const Answer answer =
            dialogs.message("Eintrag <b>Bank</b>:\r\rZweiter\r\nAbsatz.", "Keyhand", c.buttons,
                            MessageIcon::Question, c.defaultButton);
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(seenTexts, c.texts);
        EXPECT_EQ(seenDefault, c.defaultText);
        EXPECT_EQ(seenText, "Eintrag <b>Bank</b>:\n\nZweiter\nAbsatz.");
        EXPECT_EQ(seenFormat, Qt::PlainText);
        EXPECT_EQ(seenTitle, "Keyhand");
    }
}

TEST(QtDialogs, InputBoxReturnsTheTextOrNothingOnCancel) {
    QtDialogs dialogs;
    struct Case {
        bool accept;
        std::string expected;
    };
    for (const Case& c : {Case{true, "Vorgabe ergänzt"}, Case{false, ""}}) {
        SCOPED_TRACE(c.accept);
        QString seenPreset;
        QStringList seenButtons;
        Qt::TextFormat seenFormat = Qt::AutoText;
        WhenModalOpens([&](QWidget& modal) {
            auto& input = dynamic_cast<QInputDialog&>(modal);
            seenPreset = input.textValue();
            seenButtons = buttonTexts(input);
            seenFormat = input.findChild<QLabel*>()->textFormat();
            input.findChild<QLineEdit*>()->setText("Vorgabe ergänzt");
            if (c.accept) {
                input.accept();
            } else {
                input.reject();
            }
        });
        EXPECT_EQ(dialogs.input("Passwort für <b>Bank</b>:", "Keyhand", "Vorgabe"), c.expected);
        EXPECT_EQ(seenFormat, Qt::PlainText);
        EXPECT_EQ(seenPreset, "Vorgabe");
        EXPECT_EQ(seenButtons, (QStringList{"Abbrechen", "OK"}));
    }
}

TEST(QtEventPump, ProcessesEventsOnlyWhenTheIntervalHasPassed) {
    int delivered = 0;
    QObject receiver;
    const auto post = [&] {
        QMetaObject::invokeMethod(
            &receiver, [&] { ++delivered; }, Qt::QueuedConnection);
    };
    QtEventPump rarely(60 * 60 * 1000);
    post();
    rarely.yield();  // the first call always runs
    EXPECT_EQ(delivered, 1);
    post();
    rarely.yield();  // far too soon: the event waits
    EXPECT_EQ(delivered, 1);

    QtEventPump always(0);
    always.yield();
    EXPECT_EQ(delivered, 2);
}

TEST(ShellTargetUrl, MakesAnAddressOfEveryStoredForm) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/hilfe.htm";
    QFile(file).open(QIODevice::WriteOnly);
    struct Case {
        QString target;
        QUrl expected;
    };
    const Case cases[] = {
        {"https://www.corvale.example/", QUrl("https://www.corvale.example/")},
        {"www.example.com/login", QUrl("http://www.example.com/login")},
        {"example.com", QUrl("http://example.com")},
        {file, QUrl::fromLocalFile(file)},
        {"  https://a.example/  ", QUrl("https://a.example/")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        EXPECT_EQ(ShellTargetUrl(c.target.toStdString()), c.expected);
    }
    const QUrl mail = ShellTargetUrl(
        "mailto:support@corvale.example?subject=Iconsmith (V2.1b) unter Windows 6.1.0");
    EXPECT_EQ(mail.scheme(), "mailto");
    EXPECT_EQ(mail.path(), "support@corvale.example");
    EXPECT_EQ(QUrlQuery(mail).queryItemValue("subject", QUrl::FullyDecoded),
              "Iconsmith (V2.1b) unter Windows 6.1.0");
    EXPECT_FALSE(ShellTargetUrl("").isValid());
}

TEST(QtSettingsStore, KeepsValuesPerUserAcrossInstances) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QtSettingsStore store;
    EXPECT_EQ(store.value("Corvale Software", "Iconsmith", "ShowOnceWarning"), "");
    store.setValue("Corvale Software", "Iconsmith", "ShowOnceWarning", "2.1.202");
    store.setValue("Corvale Software", "Keyhand", "ShowOnceWarning", "Grüße");
    QtSettingsStore later;
    EXPECT_EQ(later.value("Corvale Software", "Iconsmith", "ShowOnceWarning"), "2.1.202");
    EXPECT_EQ(later.value("Corvale Software", "Keyhand", "ShowOnceWarning"), "Grüße");
    EXPECT_TRUE(QFile::exists(dir.path() + "/Corvale Software/Iconsmith.conf"));
}
