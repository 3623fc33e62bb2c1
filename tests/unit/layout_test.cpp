// Properties every designed window must have, whatever its table says.
#include <gtest/gtest.h>

#include <set>

#include "assets/embedded_pictures.h"
#include "install_dialog/dlg_setup_layout.h"
#include "launcher_window/frm_setup_layout.h"

namespace {

struct PixelRect {
    int left, top, right, bottom;
};

PixelRect pixelsOf(const forms::WindowLayout& window, const forms::ControlLayout& control) {
    const auto [left, top] = forms::positionInWindow(window, control);
    return {left / 15, top / 15, (left + control.width) / 15, (top + control.height) / 15};
}

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool contains(const PixelRect& outer, const PixelRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

namespace forms {
// Names the window in test output rather than printing its address.
void PrintTo(const WindowLayout* layout, std::ostream* out) { *out << layout->name; }
}  // namespace forms

namespace {

class DesignedWindow : public ::testing::TestWithParam<const forms::WindowLayout*> {};

TEST_P(DesignedWindow, EveryMeasureIsAWholeNumberOfPixels) {
    const forms::WindowLayout& window = *GetParam();
    EXPECT_EQ(window.clientWidth % 15, 0);
    EXPECT_EQ(window.clientHeight % 15, 0);
    for (const auto& control : window.controls) {
        SCOPED_TRACE(std::string(control.name));
        for (int measure : {control.left, control.top, control.width, control.height}) {
            EXPECT_EQ(measure % 15, 0);
        }
    }
}

TEST_P(DesignedWindow, VisibleControlsLieInsideTheWindowAndDoNotOverlap) {
    const forms::WindowLayout& window = *GetParam();
    const PixelRect client{0, 0, window.clientWidth / 15, window.clientHeight / 15};
    for (const auto& a : window.controls) {
        if (!a.visible) {
            continue;
        }
        const PixelRect rect = pixelsOf(window, a);
        EXPECT_TRUE(contains(client, rect)) << a.name;
        for (const auto& b : window.controls) {
            // A frame holds its own controls; other visible controls must not meet.
            const bool related = a.name == b.container || b.name == a.container;
            if (&a < &b && b.visible && !related) {
                EXPECT_FALSE(overlap(rect, pixelsOf(window, b))) << a.name << " and " << b.name;
            }
            if (b.container == a.name) {
                EXPECT_TRUE(contains(rect, pixelsOf(window, b))) << b.name << " outside its frame";
            }
        }
    }
}

TEST_P(DesignedWindow, NamesAndTabIndicesAreUnique) {
    const forms::WindowLayout& window = *GetParam();
    std::set<std::string_view> names;
    std::set<int> tabIndices;
    for (const auto& control : window.controls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        if (control.tabIndex >= 0) {
            EXPECT_TRUE(tabIndices.insert(control.tabIndex).second) << control.name;
        }
    }
}

TEST_P(DesignedWindow, EveryPictureItNamesIsEmbeddedAtItsDesignedSize) {
    const forms::WindowLayout& window = *GetParam();
    const auto expectSize = [](forms::Picture picture, int width, int height) {
        const EmbeddedPicture* embedded = findEmbeddedPicture(picture.name);
        ASSERT_NE(embedded, nullptr) << picture.name;
        EXPECT_EQ(embedded->width, width) << picture.name;
        EXPECT_EQ(embedded->height, height) << picture.name;
    };
    if (!window.icon.name.empty()) {
        expectSize(window.icon, 32, 32);
    }
    if (!window.picture.name.empty()) {
        expectSize(window.picture, window.clientWidth / 15, window.clientHeight / 15);
    }
    for (const auto& control : window.controls) {
        if (!control.picture.name.empty()) {
            expectSize(control.picture, 103, 27);
        }
        if (!control.mousePointer.picture.name.empty()) {
            expectSize(control.mousePointer.picture, 17, 22);
            EXPECT_TRUE(findEmbeddedPicture(control.mousePointer.picture.name)->hasAlpha);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, DesignedWindow,
                         ::testing::Values(&frmsetup::layout, &dlgsetup::layout),
                         [](const auto& info) { return std::string(info.param->name); });

TEST(LauncherLayout, PictureButtonsAreStackedRunInstallEndAndOnlyTheInfoBoxTakesFocus) {
    using namespace frmsetup;
    const auto& controls = layout.controls;
    EXPECT_LT(controls[imgUitvoeren].top, controls[imgInstalleren].top);
    EXPECT_LT(controls[imgInstalleren].top, controls[imgEind].top);
    for (const auto& control : controls) {
        EXPECT_EQ(control.tabIndex >= 0, control.name == "txtInfo") << control.name;
    }
}

}  // namespace
