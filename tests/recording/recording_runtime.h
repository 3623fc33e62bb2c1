// The recording run-time: a real backend of the forms run-time that keeps every window and
// control in memory instead of on a screen. Tests drive it as a user would (click, close,
// answer a question box) and read back what happened.
//
// Supports everything the boundary declares. Programs are not started but recorded; a path
// can be made to fail. Files are read from the real file system. end() unwinds to the test
// action that caused it, so nothing of the program runs after it.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "app/forms_runtime.h"

class RecordingRuntime final : public forms::Runtime {
public:
    struct ControlState {
        std::string text;
        forms::Picture picture;
        bool visible = true;
        bool enabled = true;
        int value = 0;
    };
    struct WindowState {
        const forms::WindowLayout* layout = nullptr;
        forms::WindowEvents* events = nullptr;
        bool visible = false;
        std::vector<ControlState> controls;
    };
    struct MessageBox {
        std::string text;
        std::string title;
        int style;  // kQuestionOkCancel, or kErrorStyle for the standard error box
    };
    static constexpr int kErrorStyle = 16;

    // Set up by the test.
    std::string launchFolder = "/media/kas";
    std::deque<int> answers;                         // the user's answers to question boxes
    std::map<std::string, std::string> unstartable;  // path -> the system's reason

    // What happened, in order: "load frmSetup", "show frmSetup", "hide dlgSetup",
    // "unload dlgSetup", "frmSetup.txtInfo.Text=...", "frmSetup.imgEind.Picture=eind_dwn",
    // "frmSetup.imgInstalleren.Visible=0", "question Setup", "error KasSetup", "start <path>",
    // "end".
    std::vector<std::string> log;
    std::vector<std::string> started;
    std::vector<MessageBox> messageBoxes;
    bool ended = false;

    // Runs part of the program, such as its start; an end() inside it stops the program there.
    template <typename Action>
    void perform(Action action);

    // The user's actions. Each returns once the program has handled it.
    void click(std::string_view window, std::string_view control);
    void closeWindow(std::string_view window);

    bool loaded(std::string_view window) const;
    WindowState& window(std::string_view name);
    ControlState& control(std::string_view window, std::string_view control);
    // The log entries from `from` on that start with `prefix`.
    std::vector<std::string> logFrom(std::size_t from, std::string_view prefix = {}) const;

private:
    void createWindowImpl(forms::WindowId id, const forms::WindowLayout& layout,
                          forms::WindowEvents& events) override;
    void destroyWindowImpl(forms::WindowId window) override;
    void showWindowImpl(forms::WindowId window) override;
    void hideWindowImpl(forms::WindowId window) override;
    bool windowVisibleImpl(forms::WindowId window) override;

    std::string textImpl(forms::WindowId window, int control) override;
    void setTextImpl(forms::WindowId window, int control, std::string_view text) override;
    forms::Picture pictureImpl(forms::WindowId window, int control) override;
    void setPictureImpl(forms::WindowId window, int control, forms::Picture picture) override;
    bool visibleImpl(forms::WindowId window, int control) override;
    void setVisibleImpl(forms::WindowId window, int control, bool visible) override;
    bool enabledImpl(forms::WindowId window, int control) override;
    void setEnabledImpl(forms::WindowId window, int control, bool enabled) override;
    int valueImpl(forms::WindowId window, int control) override;
    void setValueImpl(forms::WindowId window, int control, int value) override;

    int questionBoxImpl(std::string_view text, std::string_view title) override;
    void errorBoxImpl(std::string_view text, std::string_view title) override;

    std::string readTextFileImpl(const std::string& path) override;
    std::string applicationPathImpl() override;
    void startProgramImpl(const std::string& path) override;

    void runImpl() override {}
    void quitImpl() override {}
    [[noreturn]] void endImpl() override;

    void record(forms::WindowId window, int control, std::string_view property,
                std::string_view value);
    forms::WindowId idOf(std::string_view window) const;
    int indexOf(forms::WindowId window, std::string_view control) const;
    void programEnded();

    std::map<forms::WindowId, WindowState> windows_;
};

// Thrown by end(): unwinds the program's handlers back to the test's action.
struct ProgramEnded {};

template <typename Action>
void RecordingRuntime::perform(Action action) {
    if (ended) {
        throw std::logic_error("recording run-time: the program has ended");
    }
    try {
        action();
    } catch (const ProgramEnded&) {
        programEnded();
    }
}
