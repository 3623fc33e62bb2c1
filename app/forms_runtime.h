// The forms run-time: the one boundary between the two windows and the platform.
//
// The application describes each window as a layout (a table of controls with their positions
// in twips) and drives it through the operations below. Every backend (GTK, Win32, the
// recording run-time of the unit tests) implements the protected *_impl hooks; the public
// operations keep the rules that hold everywhere, so no backend can drift from them.
//
// Rules every backend keeps:
//  - Windows are created hidden and in their designed state. Showing a window is modeless and
//    without owner; the first show centres it on the screen; showing a visible window only
//    brings it to the front.
//  - Setting a property from code never raises an event: setting a check box's Value raises
//    no Click, setting Text raises nothing.
//  - Events reach the application only as a Click of a picture button, command button or check
//    box (mouse or keyboard activation where the control takes the focus) and as the close
//    request of a window's close box. A double-click on a picture counts as one Click.
//  - Destroying the last window ends the event loop: run() returns.
//  - end() never returns: no handler runs after it, every window vanishes, programs already
//    started keep running.
//  - Operations that can fail (starting a program, opening or reading a file) throw
//    forms::Error, whose text is Dutch and names what failed and why.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

// A failure of a run-time operation. Handlers with a failure point of their own catch it;
// anything else reaches the standard failure handler.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The failure of starting a program, the same on every platform.
Error cannotStartProgram(const std::string& path, const std::string& reason);

// All stored positions and sizes are in twips: 1/1440 inch, 15 to the pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

struct Rgb {
    std::uint8_t red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// An embedded picture, named by its resource name ("banner", "eind_nrm", ...).
// The empty name is "no picture".
struct Picture {
    std::string_view name;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// A custom mouse pointer: a picture and the pixel that points.
struct Pointer {
    Picture picture;
    int hotSpotX = 0, hotSpotY = 0;
};

struct Font {
    std::string_view face;
    double points;
    int weight;  // 400 regular, 700 bold
};

enum class ControlKind {
    TextBox,        // multi-line, vertical scroll bar, word wrap
    Image,          // a picture; clickable when visible and enabled
    Frame,          // titled group box holding other controls
    CheckBox,       // Value 0 unchecked, 1 checked, 2 grayed
    CommandButton,  // push button with a caption
};

struct ControlLayout {
    std::string_view name = {};
    ControlKind kind = ControlKind::TextBox;
    int left = 0, top = 0, width = 0, height = 0;  // twips; inside the container if there is one
    std::string_view caption = {};
    Picture picture = {};
    bool visible = true;
    bool enabled = true;
    int tabIndex = -1;  // -1: takes no keyboard focus
    int value = 0;
    std::string_view container = {};       // name of the frame that holds the control, if any
    const Font* font = nullptr;            // nullptr: the run-time's default font
    const Rgb* foreColor = nullptr;        // nullptr: the system's text colour
    Pointer mousePointer = {};             // custom pointer over the control, if it has a picture
    std::string_view accessibleName = {};  // for screen readers
};

enum class BorderStyle {
    FixedSingle,  // not resizable, title bar with window menu and close box, in the task bar
    FixedDialog,  // the same, framed as a dialog
};

struct WindowLayout {
    std::string_view name = {};  // the window's program-wide name, "frmSetup"
    std::string_view title = {};
    int clientWidth = 0, clientHeight = 0;  // twips
    BorderStyle border = BorderStyle::FixedSingle;
    bool showInTaskbar = true;
    Picture icon = {};
    Picture picture = {};  // background, unscaled at the top-left
    std::span<const ControlLayout> controls = {};
};

// Where a control stands in its window's client area, in twips: a control inside a frame is
// placed at its place within the frame.
struct Position {
    int left, top;
};
Position positionInWindow(const WindowLayout& window, const ControlLayout& control);

// The indices of the controls that take the keyboard focus, in tab-index order.
std::vector<int> tabOrder(const WindowLayout& window);

// What a window tells its owner. Called on the user-interface thread, one at a time.
class WindowEvents {
public:
    virtual void clicked(int control) = 0;
    virtual void closeRequested() = 0;

protected:
    ~WindowEvents() = default;
};

using WindowId = int;

// A text file opened for sequential input: the stand-in for a file number. Lines end at CR or
// CR LF; a lone LF stays inside its line; a terminator at the very end starts no further line.
// The file itself is read and released when it is opened, so nothing stays open on any path.
class InputFile {
public:
    explicit InputFile(std::string text) : text_(std::move(text)) {}
    bool atEnd() const { return position_ >= text_.size(); }
    // The next line without its terminator; throws Error when nothing is left.
    std::string readLine();

private:
    std::string text_;
    std::size_t position_ = 0;
};

// Style of the question box: OK and Cancel, question icon, OK default, modal to the application.
inline constexpr int kQuestionOkCancel = 33;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;

class Runtime {
public:
    Runtime() = default;
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    virtual ~Runtime() = default;

    // Windows.
    WindowId createWindow(const WindowLayout& layout, WindowEvents& events);
    void destroyWindow(WindowId window);
    void showWindow(WindowId window);
    void hideWindow(WindowId window);
    bool windowVisible(WindowId window);
    int windowCount() const { return liveWindows_; }

    // Control properties. `control` is the index in the window's layout.
    std::string text(WindowId window, int control);
    void setText(WindowId window, int control, std::string_view text);
    Picture picture(WindowId window, int control);
    void setPicture(WindowId window, int control, Picture picture);
    bool visible(WindowId window, int control);
    void setVisible(WindowId window, int control, bool visible);
    bool enabled(WindowId window, int control);
    void setEnabled(WindowId window, int control, bool enabled);
    int value(WindowId window, int control);
    void setValue(WindowId window, int control, int value);

    // Message boxes. questionBox answers kAnswerOk or another value.
    int questionBox(std::string_view text, int style, std::string_view title);
    void errorBox(std::string_view text, std::string_view title);

    // Opens a text file for sequential input, decoded to UTF-8; throws Error if it cannot be
    // opened or read.
    InputFile openForInput(const std::string& path);

    // The folder of the running executable, no trailing separator except at a root.
    std::string applicationPath();
    // Starts the program at `path` with no arguments and returns at once; throws Error.
    void startProgram(const std::string& path);

    // Runs the event loop until no window is left; returns at once if none is.
    void run();
    bool loopRunning() const { return running_; }
    [[noreturn]] void end();

protected:
    virtual void createWindowImpl(WindowId id, const WindowLayout& layout,
                                  WindowEvents& events) = 0;
    virtual void destroyWindowImpl(WindowId window) = 0;
    virtual void showWindowImpl(WindowId window) = 0;
    virtual void hideWindowImpl(WindowId window) = 0;
    virtual bool windowVisibleImpl(WindowId window) = 0;

    virtual std::string textImpl(WindowId window, int control) = 0;
    virtual void setTextImpl(WindowId window, int control, std::string_view text) = 0;
    virtual Picture pictureImpl(WindowId window, int control) = 0;
    virtual void setPictureImpl(WindowId window, int control, Picture picture) = 0;
    virtual bool visibleImpl(WindowId window, int control) = 0;
    virtual void setVisibleImpl(WindowId window, int control, bool visible) = 0;
    virtual bool enabledImpl(WindowId window, int control) = 0;
    virtual void setEnabledImpl(WindowId window, int control, bool enabled) = 0;
    virtual int valueImpl(WindowId window, int control) = 0;
    virtual void setValueImpl(WindowId window, int control, int value) = 0;

    virtual int questionBoxImpl(std::string_view text, std::string_view title) = 0;
    virtual void errorBoxImpl(std::string_view text, std::string_view title) = 0;

    // The whole text of a regular file, decoded to UTF-8; throws Error for anything else.
    virtual std::string readTextFileImpl(const std::string& path) = 0;
    virtual std::string applicationPathImpl() = 0;
    virtual void startProgramImpl(const std::string& path) = 0;

    virtual void runImpl() = 0;
    virtual void quitImpl() = 0;
    [[noreturn]] virtual void endImpl() = 0;

private:
    const WindowLayout& layoutOf(WindowId window) const;
    const ControlLayout& checkedControl(WindowId window, int control, const char* operation) const;

    static constexpr int kMaxWindows = 8;
    const WindowLayout* layouts_[kMaxWindows] = {};
    int liveWindows_ = 0;
    bool running_ = false;
};

}  // namespace forms
