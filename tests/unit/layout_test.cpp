// Properties every designed window must have, whatever its table says.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "install_dialog/dlg_setup_layout.h"
#include "launcher_window/frm_setup_layout.h"

namespace {

struct PixelRect {
    int left, top, right, bottom;
};

PixelRect pixelsOf(const forms::WindowLayout& window, const forms::ControlLayout& control) {
    int left = control.left, top = control.top;
    for (const auto& candidate : window.controls) {
        if (!control.container.empty() && candidate.name == control.container) {
            left += candidate.left;
            top += candidate.top;
        }
    }
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

std::string embeddedResources() {
    std::ifstream manifest(std::filesystem::path(KASSETUP_ASSETS_DIR) / "kassetup.gresource.xml");
    return {std::istreambuf_iterator<char>(manifest), std::istreambuf_iterator<char>()};
}

TEST_P(DesignedWindow, EveryPictureItNamesIsEmbedded) {
    const forms::WindowLayout& window = *GetParam();
    std::vector<forms::Picture> pictures{window.icon, window.picture};
    for (const auto& control : window.controls) {
        pictures.push_back(control.picture);
        pictures.push_back(control.mousePointer.picture);
    }
    const std::string resources = embeddedResources();
    for (const forms::Picture& picture : pictures) {
        if (!picture.name.empty()) {
            const std::string file = std::string(picture.name) + ".png";
            EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(KASSETUP_ASSETS_DIR) / file))
                << file;
            EXPECT_NE(resources.find("<file>" + file + "</file>"), std::string::npos) << file;
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
