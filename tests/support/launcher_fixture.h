// A started launcher on the recording run-time, with its medium in a real temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "app/launch_path.h"
#include "install_dialog/dlg_setup.h"
#include "launcher_window/frm_setup.h"
#include "tests/recording/recording_runtime.h"
#include "tests/support/temporary_folder.h"

class StartedLauncher : public ::testing::Test {
protected:
    TemporaryFolder medium;
    RecordingRuntime runtime;
    Application application{runtime};
    std::size_t mark = 0;  // where the log of the action under test begins

    void SetUp() override {
        runtime.launchFolder = medium.path().string();
        medium.write("Setup.txt", "Welkom\r\n");
        runtime.perform([&] { application.run(); });
    }

    std::string pathOf(std::string_view relative) const {
        return joinLaunchPath(runtime.launchFolder, relative);
    }
    // Clicks and returns what the click wrote to the log.
    std::vector<std::string> click(std::string_view window, std::string_view control) {
        mark = runtime.log.size();
        runtime.click(window, control);
        return runtime.logFrom(mark);
    }
    void openDialog() { click("frmSetup", "imgInstalleren"); }
    std::string infoText() { return runtime.control("frmSetup", "txtInfo").text; }
};
