#include "app/form.h"

#include "app/standard_failure.h"

std::string Control::text() const { return form_.runtime_.text(form_.window_, index_); }
void Control::setText(std::string_view text) const {
    form_.runtime_.setText(form_.window_, index_, text);
}
forms::Picture Control::picture() const { return form_.runtime_.picture(form_.window_, index_); }
void Control::setPicture(forms::Picture picture) const {
    form_.runtime_.setPicture(form_.window_, index_, picture);
}
bool Control::visible() const { return form_.runtime_.visible(form_.window_, index_); }
void Control::setVisible(bool visible) const {
    form_.runtime_.setVisible(form_.window_, index_, visible);
}
bool Control::enabled() const { return form_.runtime_.enabled(form_.window_, index_); }
void Control::setEnabled(bool enabled) const {
    form_.runtime_.setEnabled(form_.window_, index_, enabled);
}
int Control::value() const { return form_.runtime_.value(form_.window_, index_); }
void Control::setValue(int value) const { form_.runtime_.setValue(form_.window_, index_, value); }

Form::Form(forms::Runtime& runtime, const forms::WindowLayout& layout)
    : runtime_(runtime), layout_(layout) {}

Form::~Form() {
    // The instance outlives the event loop; a window still loaded then goes with it.
    if (loaded()) {
        runtime_.destroyWindow(window_);
    }
}

void Form::load() {
    if (loaded()) {
        return;
    }
    window_ = runtime_.createWindow(layout_, *this);
    handleEvent([this] { loadStep(); });
}

void Form::show() {
    load();
    // A load step may end the program or unload its own window.
    if (loaded()) {
        runtime_.showWindow(window_);
    }
}

void Form::setVisible(bool visible) {
    load();
    if (visible) {
        runtime_.showWindow(window_);
    } else {
        runtime_.hideWindow(window_);
    }
}

void Form::unload() {
    if (!loaded()) {
        return;
    }
    const forms::WindowId window = window_;
    window_ = -1;
    runtime_.destroyWindow(window);
}

void Form::onClick(int control, std::function<void()> handler) {
    clickHandlers_[control] = std::move(handler);
}

void Form::clicked(int control) {
    const auto handler = clickHandlers_.find(control);
    if (handler != clickHandlers_.end()) {
        handleEvent(handler->second);
    }
}

void Form::closeRequested() {
    handleEvent([this] { unload(); });
}

void Form::handleEvent(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        reportFailureAndEnd(runtime_, failure);
    }
}
