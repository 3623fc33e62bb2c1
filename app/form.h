// A window instance: one program-wide object per window, whose window may be loaded and
// unloaded any number of times. Its public fields live as long as the instance; its controls
// exist only while it is loaded.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/forms_runtime.h"

class Form;

// A control of a loaded window, named by its index in the window's layout.
class Control {
public:
    Control(Form& form, int index) : form_(form), index_(index) {}

    std::string text() const;
    void setText(std::string_view text) const;
    forms::Picture picture() const;
    void setPicture(forms::Picture picture) const;
    bool visible() const;
    void setVisible(bool visible) const;
    bool enabled() const;
    void setEnabled(bool enabled) const;
    int value() const;
    void setValue(int value) const;

private:
    Form& form_;
    int index_;
};

class Form : private forms::WindowEvents {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    bool loaded() const { return window_ >= 0; }
    // Creates the window in its designed state and runs the load step; nothing if loaded.
    void load();
    // Loads if needed, then shows the window modeless without owner.
    void show();
    void setVisible(bool visible);
    // Destroys the window; the last window unloaded ends the event loop.
    void unload();

protected:
    Form(forms::Runtime& runtime, const forms::WindowLayout& layout);

    virtual void loadStep() {}
    void onClick(int control, std::function<void()> handler);
    Control control(int index) { return Control(*this, index); }
    forms::Runtime& runtime() { return runtime_; }

private:
    friend class Control;

    void clicked(int control) override;
    void closeRequested() override;
    // Runs a handler; a failure it does not catch itself goes to the standard handler.
    void handleEvent(const std::function<void()>& handler);

    forms::Runtime& runtime_;
    const forms::WindowLayout& layout_;
    forms::WindowId window_ = -1;
    std::map<int, std::function<void()>> clickHandlers_;
};
