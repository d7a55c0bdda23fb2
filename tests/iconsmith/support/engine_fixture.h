// A fresh engine with recording fakes and a temporary folder for the web site, per test.
#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <filesystem>
#include <string>

#include "iconsmith/engine/engine_context.h"
#include "iconsmith/engine/iconsmith_identity.h"
#include "shared/general/program_identity.h"
#include "shared/services/log_file.h"
#include "tests/iconsmith/support/recording_engine_view.h"
#include "tests/support/counting_event_pump.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/file_helpers.h"

namespace testsupport {

class EngineFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        RARUVOVOVA2DIVFU::UseProgramIdentity(Module1::kIconsmith);
        site = temp.path().toStdString() + "/site/";
        std::filesystem::create_directories(site);
        logPath = temp.path().toStdString() + "/Application.log";
        RARUVOVOVA::UseLogPath(logPath);
        state.PageExtensions = {".htm", ".html", ".shtml", ".asp"};
    }

    // Writes bytes to site + relative, creating the folders on the way; returns the full path.
    std::string writeFile(const std::string& relative, const std::string& bytes) {
        const std::filesystem::path path = site + relative;
        std::filesystem::create_directories(path.parent_path());
        WriteBytes(path.string(), bytes);
        return path.string();
    }

    static std::string readFile(const std::string& path) { return ReadBytes(path); }

    QTemporaryDir temp;
    std::string site;
    std::string logPath;
    Module1::EngineState state;
    Module1::PageListModel list;
    RecordingEngineView view;
    FakeDialogs dialogs;
    CountingEventPump pump;
    FakeClock clock;
    Module1::EngineContext context{state, list, view, dialogs, pump, clock};
};

}  // namespace testsupport
