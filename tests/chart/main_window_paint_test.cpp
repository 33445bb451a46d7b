#include "main_window_paint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_fixtures.h"
#include "recording_surface.h"

namespace resonara {
namespace {

using namespace test;

// Records what the paint handler asks of the window, in order.
class FakeWindow : public PaintedWindow {
public:
    FakeWindow(bool minimised, Point iconSize) : minimised_(minimised), iconSize_(iconSize) {}

    bool IsMinimised() const override { return minimised_; }
    void EraseIconBackground(Surface&) override { calls.push_back("erase"); }
    Point IconSize() const override { return iconSize_; }
    void DrawIcon(Surface&, Point topLeft) override {
        calls.push_back("icon");
        iconAt = topLeft;
    }
    void PaintDefault(Surface& surface) override {
        calls.push_back("default");
        operationsBeforeDefault = static_cast<RecordingSurface&>(surface).Operations().size();
    }

    std::vector<std::string> calls;
    Point iconAt;
    std::size_t operationsBeforeDefault = 0;

private:
    bool minimised_;
    Point iconSize_;
};

TEST(PaintMainWindow, MinimisedErasesAndDrawsTheCentredIconOnly) {
    FakeWindow window(true, {32, 32});
    RecordingSurface surface(kMainClient);
    PaintMainWindow(window, surface, ChartDesign(1, 0, 1));

    EXPECT_EQ(window.calls, (std::vector<std::string>{"erase", "icon"}));
    EXPECT_EQ(window.iconAt, (Point{384, 284}));  // (800 - 32 + 1) / 2, (600 - 32 + 1) / 2
    EXPECT_TRUE(surface.Operations().empty());
}

TEST(PaintMainWindow, OtherwiseDrawsTheChartThenDefaultProcessing) {
    FakeWindow window(false, {32, 32});
    RecordingSurface surface(kMainClient);
    PaintMainWindow(window, surface, ChartDesign(1, 0, 1));

    EXPECT_EQ(window.calls, (std::vector<std::string>{"default"}));
    const std::size_t chartOperations = kPlotStructureLines + 19 + kFullCurveSegments;
    EXPECT_EQ(surface.Operations().size(), chartOperations);
    EXPECT_EQ(window.operationsBeforeDefault, chartOperations);
}

// Integer division truncates toward zero, so a client narrower than the icon
// rounds its negative offset up, not down.
TEST(IconPosition, CentresWithDivisionTowardZero) {
    const struct {
        const char* name;
        Rect client;
        Point icon;
        Point expected;
    } cases[] = {
        {"main window size", {0, 0, 800, 600}, {32, 32}, {384, 284}},
        {"odd remainder", {0, 0, 101, 100}, {32, 32}, {35, 34}},
        {"empty client, 32-pixel icon", {0, 0, 0, 0}, {32, 32}, {-15, -15}},
        {"2 pixels, 32-pixel icon", {0, 0, 2, 2}, {32, 32}, {-14, -14}},
        {"width and height apart", {0, 0, 0, 40}, {32, 16}, {-15, 12}},
    };
    for (const auto& c : cases) EXPECT_EQ(IconPosition(c.client, c.icon), c.expected) << c.name;
}

}  // namespace
}  // namespace resonara
