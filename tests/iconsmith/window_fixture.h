// A real Iconsmith main window (offscreen) over fakes for the user's answers, the shell, the
// settings store and the clock, with a web site and a program folder in a temporary folder.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "iconsmith/app/form1.h"
#include "iconsmith/engine/folder_chooser.h"
#include "iconsmith/engine/iconsmith_identity.h"
#include "shared/general/program_identity.h"
#include "shared/services/log_file.h"
#include "shared/widgets/info_form_freeware.h"
#include "tests/support/counting_event_pump.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/fake_settings_store.h"
#include "tests/support/fake_shell.h"
#include "tests/support/file_helpers.h"

namespace testsupport {

// Answers the folder question from a queue ("" = the user cancelled) and records each prompt.
class ScriptedFolderChooser final : public Module1::FolderChooser {
  public:
    std::deque<std::string> answers;
    std::vector<std::string> prompts;

    std::string BrowseForFolder(const std::string& prompt) override {
        prompts.push_back(prompt);
        if (answers.empty()) return {};
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        RARUVOVOVA2DIVFU::UseProgramIdentity(Module1::kIconsmith);
        root = temp.path().toStdString() + "/";
        site = root + "site";
        programFolder = root + "program/";
        std::filesystem::create_directories(site);
        std::filesystem::create_directories(programFolder);
        RARUVOVOVA::UseLogPath(programFolder + "Application.log");
        // The backup warning was already confirmed for this version unless a test says otherwise.
        settings.values[FakeSettingsStore::address("Corvale Software", "Iconsmith",
                                                   "ShowOnceWarning")] = "2.1.202";
        form = std::make_unique<Form1>(
            Form1Services{dialogs, shell, settings, clock, pump, chooser, programFolder,
                          [this](bool workInProgress) { endRequests.push_back(workInProgress); }});
    }

    void TearDown() override {
        if (auto* info = RARUVOVOVA::InfoFormFreeware::OpenInstance()) info->close();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Writes a file below the site, creating folders; returns its full path.
    std::string writePage(const std::string& relative, const std::string& bytes) {
        const std::filesystem::path path = site + "/" + relative;
        std::filesystem::create_directories(path.parent_path());
        WriteBytes(path.string(), bytes);
        return path.string();
    }

    QPushButton* btn(int index) const {
        return form->findChild<QPushButton*>(QStringLiteral("Btn[%1]").arg(index));
    }
    template <typename Widget>
    Widget* control(const char* name) const {
        return form->findChild<Widget*>(QString::fromLatin1(name));
    }

    // Loads and shows the window, then lets the deferred start-up work run.
    void loadWindow() {
        form->Load();
        QCoreApplication::processEvents();
    }

    // "&Pfad" with the site (or another folder) as the user's answer.
    void choose(const std::string& folder) {
        chooser.answers.push_back(folder);
        btn(4)->click();
    }

    QTemporaryDir temp;
    std::string root;
    std::string site;
    std::string programFolder;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeSettingsStore settings;
    FakeClock clock;
    CountingEventPump pump;
    ScriptedFolderChooser chooser;
    std::vector<bool> endRequests;
    std::unique_ptr<Form1> form;
};

}  // namespace testsupport
