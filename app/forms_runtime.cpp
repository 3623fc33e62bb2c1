#include "app/forms_runtime.h"

#include <algorithm>
#include <cstdlib>

namespace forms {

namespace {

[[noreturn]] void misuse(const std::string& what) { throw std::logic_error("forms: " + what); }

bool hasPicture(ControlKind kind) { return kind == ControlKind::Image; }
bool hasText(ControlKind kind) { return kind == ControlKind::TextBox; }
bool hasValue(ControlKind kind) { return kind == ControlKind::CheckBox; }

}  // namespace

std::string InputFile::readLine() {
    if (atEnd()) {
        throw Error("Invoer voorbij het einde van het bestand.");
    }
    const std::size_t end = text_.find('\r', position_);
    if (end == std::string::npos) {
        std::string line = text_.substr(position_);
        position_ = text_.size();
        return line;
    }
    std::string line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (position_ < text_.size() && text_[position_] == '\n') {
        ++position_;
    }
    return line;
}

Error cannotStartProgram(const std::string& path, const std::string& reason) {
    return Error("Kan het programma '" + path + "' niet starten: " + reason);
}

Position positionInWindow(const WindowLayout& window, const ControlLayout& control) {
    Position position{control.left, control.top};
    for (const ControlLayout& container : window.controls) {
        if (!control.container.empty() && container.name == control.container) {
            position.left += container.left;
            position.top += container.top;
        }
    }
    return position;
}

std::vector<int> tabOrder(const WindowLayout& window) {
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(window.controls.size()); ++i) {
        if (window.controls[i].tabIndex >= 0) {
            order.push_back(i);
        }
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return window.controls[a].tabIndex < window.controls[b].tabIndex;
    });
    return order;
}

WindowId Runtime::createWindow(const WindowLayout& layout, WindowEvents& events) {
    for (WindowId id = 0; id < kMaxWindows; ++id) {
        if (layouts_[id] == nullptr) {
            layouts_[id] = &layout;
            ++liveWindows_;
            createWindowImpl(id, layout, events);
            return id;
        }
    }
    misuse("too many windows");
}

void Runtime::destroyWindow(WindowId window) {
    layoutOf(window);
    destroyWindowImpl(window);
    layouts_[window] = nullptr;
    if (--liveWindows_ == 0 && running_) {
        running_ = false;
        quitImpl();
    }
}

void Runtime::showWindow(WindowId window) {
    layoutOf(window);
    showWindowImpl(window);
}

void Runtime::hideWindow(WindowId window) {
    layoutOf(window);
    hideWindowImpl(window);
}

bool Runtime::windowVisible(WindowId window) {
    layoutOf(window);
    return windowVisibleImpl(window);
}

const WindowLayout& Runtime::layoutOf(WindowId window) const {
    if (window < 0 || window >= kMaxWindows || layouts_[window] == nullptr) {
        misuse("no such window");
    }
    return *layouts_[window];
}

const ControlLayout& Runtime::checkedControl(WindowId window, int control,
                                             const char* operation) const {
    const WindowLayout& layout = layoutOf(window);
    if (control < 0 || static_cast<std::size_t>(control) >= layout.controls.size()) {
        misuse(std::string(operation) + ": no such control");
    }
    return layout.controls[control];
}

std::string Runtime::text(WindowId window, int control) {
    if (!hasText(checkedControl(window, control, "Text").kind)) {
        misuse("Text of a control without text");
    }
    return textImpl(window, control);
}

void Runtime::setText(WindowId window, int control, std::string_view text) {
    if (!hasText(checkedControl(window, control, "Text").kind)) {
        misuse("Text of a control without text");
    }
    setTextImpl(window, control, text);
}

Picture Runtime::picture(WindowId window, int control) {
    if (!hasPicture(checkedControl(window, control, "Picture").kind)) {
        misuse("Picture of a control without picture");
    }
    return pictureImpl(window, control);
}

void Runtime::setPicture(WindowId window, int control, Picture picture) {
    if (!hasPicture(checkedControl(window, control, "Picture").kind)) {
        misuse("Picture of a control without picture");
    }
    setPictureImpl(window, control, picture);
}

bool Runtime::visible(WindowId window, int control) {
    checkedControl(window, control, "Visible");
    return visibleImpl(window, control);
}

void Runtime::setVisible(WindowId window, int control, bool visible) {
    checkedControl(window, control, "Visible");
    setVisibleImpl(window, control, visible);
}

bool Runtime::enabled(WindowId window, int control) {
    checkedControl(window, control, "Enabled");
    return enabledImpl(window, control);
}

void Runtime::setEnabled(WindowId window, int control, bool enabled) {
    checkedControl(window, control, "Enabled");
    setEnabledImpl(window, control, enabled);
}

int Runtime::value(WindowId window, int control) {
    if (!hasValue(checkedControl(window, control, "Value").kind)) {
        misuse("Value of a control without value");
    }
    return valueImpl(window, control);
}

void Runtime::setValue(WindowId window, int control, int value) {
    if (!hasValue(checkedControl(window, control, "Value").kind)) {
        misuse("Value of a control without value");
    }
    if (value < 0 || value > 2) {
        throw Error("Ongeldige waarde " + std::to_string(value) + " voor een selectievakje.");
    }
    setValueImpl(window, control, value);
}

int Runtime::questionBox(std::string_view text, int style, std::string_view title) {
    if (style != kQuestionOkCancel) {
        misuse("unsupported question box style");
    }
    return questionBoxImpl(text, title) == kAnswerOk ? kAnswerOk : kAnswerCancel;
}

void Runtime::errorBox(std::string_view text, std::string_view title) { errorBoxImpl(text, title); }

InputFile Runtime::openForInput(const std::string& path) {
    return InputFile(readTextFileImpl(path));
}

std::string Runtime::applicationPath() { return applicationPathImpl(); }

void Runtime::startProgram(const std::string& path) { startProgramImpl(path); }

void Runtime::run() {
    if (liveWindows_ == 0) {
        return;
    }
    running_ = true;
    runImpl();
}

void Runtime::end() {
    endImpl();
    std::abort();  // a backend whose end returns would let handlers run on
}

}  // namespace forms
