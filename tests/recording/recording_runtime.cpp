#include "tests/recording/recording_runtime.h"

#include "app/posix/posix_system.h"

namespace {

[[noreturn]] void testError(const std::string& what) {
    throw std::logic_error("recording run-time: " + what);
}

}  // namespace

// Every window vanishes at once; the instances still own them until the test is over.
void RecordingRuntime::programEnded() {
    for (auto& [id, state] : windows_) {
        state.visible = false;
    }
}

void RecordingRuntime::click(std::string_view window, std::string_view control) {
    const forms::WindowId id = idOf(window);
    const int index = indexOf(id, control);
    WindowState& state = windows_.at(id);
    const ControlState& target = state.controls[index];
    // A hidden or disabled control, or one on a hidden window, cannot be clicked.
    if (!state.visible || !target.visible || !target.enabled) {
        return;
    }
    if (state.layout->controls[index].kind == forms::ControlKind::CheckBox) {
        ControlState& box = state.controls[index];
        box.value = box.value == 1 ? 0 : 1;
    }
    perform([&] { state.events->clicked(index); });
}

void RecordingRuntime::closeWindow(std::string_view window) {
    WindowState& state = windows_.at(idOf(window));
    perform([&] { state.events->closeRequested(); });
}

bool RecordingRuntime::loaded(std::string_view window) const {
    for (const auto& [id, state] : windows_) {
        if (state.layout->name == window) {
            return true;
        }
    }
    return false;
}

RecordingRuntime::WindowState& RecordingRuntime::window(std::string_view name) {
    return windows_.at(idOf(name));
}

RecordingRuntime::ControlState& RecordingRuntime::control(std::string_view window,
                                                          std::string_view control) {
    const forms::WindowId id = idOf(window);
    return windows_.at(id).controls[indexOf(id, control)];
}

std::vector<std::string> RecordingRuntime::logFrom(std::size_t from,
                                                   std::string_view prefix) const {
    std::vector<std::string> entries;
    for (std::size_t i = from; i < log.size(); ++i) {
        if (log[i].starts_with(prefix)) {
            entries.push_back(log[i]);
        }
    }
    return entries;
}

forms::WindowId RecordingRuntime::idOf(std::string_view window) const {
    for (const auto& [id, state] : windows_) {
        if (state.layout->name == window) {
            return id;
        }
    }
    testError("window not loaded: " + std::string(window));
}

int RecordingRuntime::indexOf(forms::WindowId window, std::string_view control) const {
    const auto& controls = windows_.at(window).layout->controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == control) {
            return static_cast<int>(i);
        }
    }
    testError("no such control: " + std::string(control));
}

void RecordingRuntime::record(forms::WindowId window, int control, std::string_view property,
                              std::string_view value) {
    const forms::WindowLayout& layout = *windows_.at(window).layout;
    log.push_back(std::string(layout.name) + "." + std::string(layout.controls[control].name) +
                  "." + std::string(property) + "=" + std::string(value));
}

void RecordingRuntime::createWindowImpl(forms::WindowId id, const forms::WindowLayout& layout,
                                        forms::WindowEvents& events) {
    WindowState state{&layout, &events, false, {}};
    for (const forms::ControlLayout& control : layout.controls) {
        state.controls.push_back({std::string(control.caption), control.picture, control.visible,
                                  control.enabled, control.value});
        if (control.kind == forms::ControlKind::TextBox) {
            state.controls.back().text.clear();
        }
    }
    windows_[id] = std::move(state);
    log.push_back("load " + std::string(layout.name));
}

void RecordingRuntime::destroyWindowImpl(forms::WindowId window) {
    log.push_back("unload " + std::string(windows_.at(window).layout->name));
    windows_.erase(window);
}

void RecordingRuntime::showWindowImpl(forms::WindowId window) {
    windows_.at(window).visible = true;
    log.push_back("show " + std::string(windows_.at(window).layout->name));
}

void RecordingRuntime::hideWindowImpl(forms::WindowId window) {
    windows_.at(window).visible = false;
    log.push_back("hide " + std::string(windows_.at(window).layout->name));
}

bool RecordingRuntime::windowVisibleImpl(forms::WindowId window) {
    return windows_.at(window).visible;
}

std::string RecordingRuntime::textImpl(forms::WindowId window, int control) {
    return windows_.at(window).controls[control].text;
}

void RecordingRuntime::setTextImpl(forms::WindowId window, int control, std::string_view text) {
    windows_.at(window).controls[control].text = text;
    record(window, control, "Text", text);
}

forms::Picture RecordingRuntime::pictureImpl(forms::WindowId window, int control) {
    return windows_.at(window).controls[control].picture;
}

void RecordingRuntime::setPictureImpl(forms::WindowId window, int control, forms::Picture picture) {
    windows_.at(window).controls[control].picture = picture;
    record(window, control, "Picture", picture.name);
}

bool RecordingRuntime::visibleImpl(forms::WindowId window, int control) {
    return windows_.at(window).controls[control].visible;
}

void RecordingRuntime::setVisibleImpl(forms::WindowId window, int control, bool visible) {
    windows_.at(window).controls[control].visible = visible;
    record(window, control, "Visible", visible ? "1" : "0");
}

bool RecordingRuntime::enabledImpl(forms::WindowId window, int control) {
    return windows_.at(window).controls[control].enabled;
}

void RecordingRuntime::setEnabledImpl(forms::WindowId window, int control, bool enabled) {
    windows_.at(window).controls[control].enabled = enabled;
    record(window, control, "Enabled", enabled ? "1" : "0");
}

int RecordingRuntime::valueImpl(forms::WindowId window, int control) {
    return windows_.at(window).controls[control].value;
}

void RecordingRuntime::setValueImpl(forms::WindowId window, int control, int value) {
    windows_.at(window).controls[control].value = value;
    record(window, control, "Value", std::to_string(value));
}

int RecordingRuntime::questionBoxImpl(std::string_view text, std::string_view title) {
    messageBoxes.push_back({std::string(text), std::string(title), forms::kQuestionOkCancel});
    log.push_back("question " + std::string(title));
    if (answers.empty()) {
        testError("a question box nobody answers: " + std::string(text));
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingRuntime::errorBoxImpl(std::string_view text, std::string_view title) {
    messageBoxes.push_back({std::string(text), std::string(title), kErrorStyle});
    log.push_back("error " + std::string(title));
}

std::string RecordingRuntime::readTextFileImpl(const std::string& path) {
    return posix::readTextFile(path);
}

std::string RecordingRuntime::applicationPathImpl() { return launchFolder; }

void RecordingRuntime::startProgramImpl(const std::string& path) {
    log.push_back("start " + path);
    const auto failure = unstartable.find(path);
    if (failure != unstartable.end()) {
        throw forms::cannotStartProgram(path, failure->second);
    }
    started.push_back(path);
}

void RecordingRuntime::endImpl() {
    log.push_back("end");
    ended = true;
    throw ProgramEnded{};
}
