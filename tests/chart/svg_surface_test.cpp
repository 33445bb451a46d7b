#include "svg_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "chart_fixtures.h"
#include "response_chart.h"
#include "svg_font_metrics.h"

namespace resonara {
namespace {

using namespace test;

// One element of the document as the surface writes it, one per line.
struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;  // the content of a <text>

    double Number(const std::string& attribute) const { return std::stod(attributes.at(attribute)); }
    const std::string& operator[](const std::string& attribute) const { return attributes.at(attribute); }
};

std::vector<Element> Parse(const std::string& document) {
    static const std::regex element(R"(^<(\w+)((?: [\w:-]+="[^"]*")*)\s*/?>(?:([^<]*)</\w+>)?$)");
    static const std::regex attribute(R"(([\w:-]+)="([^"]*)\")");
    std::vector<Element> elements;
    std::istringstream lines(document);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, element)) continue;
        Element e{m[1], {}, m[3]};
        const std::string attributes = m[2];
        for (std::sregex_iterator a(attributes.begin(), attributes.end(), attribute), end; a != end; ++a) {
            e.attributes[(*a)[1]] = (*a)[2];
        }
        elements.push_back(e);
    }
    return elements;
}

std::vector<Element> Named(const std::vector<Element>& elements, const std::string& name,
                           const std::string& stroke = "") {
    std::vector<Element> found;
    std::copy_if(elements.begin(), elements.end(), std::back_inserter(found), [&](const Element& e) {
        return e.name == name && (stroke.empty() || e.attributes.at("stroke") == stroke);
    });
    return found;
}

std::vector<Element> Chart(int outputResponse, int powerResponse) {
    SvgSurface surface(768, 554);
    DrawResponseChart(surface, ChartDesign(outputResponse, powerResponse, 1));
    return Parse(surface.Document());
}

// The x of a whole frequency on the chart, by the axis formula.
int X(int f_Hz) { return static_cast<int>(((std::log10(f_Hz) - 1) * 0.5) * 670 + 70); }

TEST(SvgSurface, PageIsAWhiteWindowSizedSvgWithCrispEdges) {
    SvgSurface surface(768, 554);
    const std::string document = surface.Document();
    EXPECT_EQ(document.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
    const std::vector<Element> elements = Parse(document);
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0]["width"], "768");
    EXPECT_EQ(elements[0]["height"], "554");
    EXPECT_EQ(elements[0]["viewBox"], "0 0 768 554");
    EXPECT_EQ(elements[0]["shape-rendering"], "crispEdges");
    EXPECT_EQ(elements[0]["font-family"], "DejaVu Sans");
    EXPECT_EQ(elements[0]["font-weight"], "bold");
    EXPECT_EQ(elements[0]["font-size"], "13");
    EXPECT_EQ(elements[1].name, "rect");
    EXPECT_EQ(elements[1]["fill"], "#ffffff");
    EXPECT_EQ(elements[1]["width"], "768");
    EXPECT_EQ(document.substr(document.size() - 7), "</svg>\n");
}

TEST(SvgSurface, ChartBackgroundColumnsAndGridLinesRunThroughPixelCentres) {
    const std::vector<Element> elements = Chart(1, 0);

    // Columns 70..740 over rows 240..489: the end point at row 490 is not drawn.
    const std::vector<Element> background = Named(elements, "line", "#9696ff");
    ASSERT_EQ(background.size(), 671u);
    for (int x = 70; x <= 740; ++x) {
        const Element& column = background[static_cast<std::size_t>(x - 70)];
        ASSERT_EQ(column.Number("x1"), x + 0.5);
        ASSERT_EQ(column.Number("x2"), x + 0.5);
        ASSERT_EQ(column.Number("y1"), 240);
        ASSERT_EQ(column.Number("y2"), 490);
        ASSERT_EQ(column["stroke-width"], "1");
    }

    const std::vector<Element> grid = Named(elements, "line", "#dcdcdc");
    ASSERT_EQ(grid.size(), 30u);
    const int gridColumns[] = {70, 170, 229, 271, 304, 330, 353, 372, 389, 405,
                               505, 564, 606, 639, 665, 688, 707, 724, 740};
    for (std::size_t i = 0; i < std::size(gridColumns); ++i) {
        EXPECT_EQ(grid[i].Number("x1"), gridColumns[i] + 0.5) << i;
        EXPECT_EQ(grid[i].Number("x2"), gridColumns[i] + 0.5) << i;
        EXPECT_EQ(grid[i].Number("y1"), 240);
        EXPECT_EQ(grid[i].Number("y2"), 490);
    }
    for (std::size_t i = 0; i < 11; ++i) {
        const Element& row = grid[std::size(gridColumns) + i];
        const double y = 490 - 25 * static_cast<double>(i) + 0.5;
        EXPECT_EQ(row.Number("y1"), y);
        EXPECT_EQ(row.Number("y2"), y);
        EXPECT_EQ(row.Number("x1"), 70);  // pixels 70..739
        EXPECT_EQ(row.Number("x2"), 740);
    }

    // The frame's bottom rows: 490 from 70 to 739, then down one pixel at 740.
    const std::vector<Element> frame = Named(elements, "line", "#000000");
    ASSERT_EQ(frame.size(), 5u);
    EXPECT_EQ(frame[1].Number("y1"), 490.5);
    EXPECT_EQ(frame[1].Number("x1"), 70);
    EXPECT_EQ(frame[1].Number("x2"), 740);
}

TEST(SvgSurface, CurveSegmentsCoverTheirPointsTwoRowsDeep) {
    // Curve A at 0 dB lies on row 366: every segment is a 2-pixel line over rows 366 and 367
    // from the x of one frequency to the x of the next, both included.
    const std::vector<Element> curve = Named(Chart(1, 0), "line", "#dc0000");
    ASSERT_EQ(curve.size(), kFullCurveSegments);
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const int f = 10 + static_cast<int>(i);
        ASSERT_EQ(curve[i]["stroke-width"], "2");
        ASSERT_EQ(curve[i].Number("y1"), 367) << f;
        ASSERT_EQ(curve[i].Number("y2"), 367) << f;
        ASSERT_EQ(curve[i].Number("x1"), X(f)) << f;
        ASSERT_EQ(curve[i].Number("x2"), X(f + 1) + 1) << f;
    }
    EXPECT_EQ(curve.front().Number("x1"), 70);
    EXPECT_EQ(curve.back().Number("x2"), 740);  // 999 Hz at column 739, included
}

TEST(SvgSurface, PowerModeDrawsGreenCurveBRedCurveCAndTheLegend) {
    // Curve B at 60 lies on row 390, curve C at 90 on row 340.
    const std::vector<Element> elements = Chart(0, 1);
    const std::vector<Element> green = Named(elements, "line", "#64fa28");
    ASSERT_EQ(green.size(), kFullCurveSegments);
    EXPECT_EQ(green[0].Number("y1"), 391);
    const std::vector<Element> red = Named(elements, "line", "#dc0000");
    ASSERT_EQ(red.size(), kFullCurveSegments + 1);
    EXPECT_EQ(red[0].Number("y1"), 341);
    // The legend line from (550, 452) to (590, 452): columns 550..590, rows 452 and 453.
    const Element& legend = red.back();
    EXPECT_EQ(legend.Number("x1"), 550);
    EXPECT_EQ(legend.Number("x2"), 591);
    EXPECT_EQ(legend.Number("y1"), 453);
    EXPECT_EQ(legend.Number("y2"), 453);
}

struct TextCellCase {
    const char* text;
    int outputResponse;
    const char* anchor;
    int x, top;
    int cellLeft, cellWidth;  // widths as Qt measures the whole text in the window's font
    const char* cellFill;
};

TEST(SvgSurface, TextsStandOnCellsOfTheirBackgroundAtTheirAnchor) {
    const TextCellCase cases[] = {
        {"10", 1, "middle", 70, 495, 61, 18, "#c8c8c8"},
        {"1000", 1, "middle", 740, 495, 722, 36, "#c8c8c8"},
        {"Frequency(Hz)", 1, "middle", 405, 515, 352, 106, "#c8c8c8"},
        {"Frequency Response: Output vs. Frequency", 1, "middle", 405, 210, 246, 318, "#c8c8c8"},
        {"Power Response: Power vs. Frequency", 0, "middle", 405, 210, 264, 282, "#c8c8c8"},
        {"-25", 1, "end", 60, 485, 37, 23, "#c8c8c8"},
        {"150", 0, "end", 60, 235, 33, 27, "#c8c8c8"},
        {"dB", 1, "end", 40, 360, 21, 19, "#c8c8c8"},
        {"Thermal Limit", 0, "start", 600, 442, 600, 102, "#9696ff"},
    };
    for (const TextCellCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<Element> elements = Chart(c.outputResponse, 1 - c.outputResponse);
        const auto text = std::find_if(elements.begin(), elements.end(),
                                       [&](const Element& e) { return e.name == "text" && e.text == c.text; });
        ASSERT_NE(text, elements.end());
        EXPECT_EQ((*text)["text-anchor"], c.anchor);
        EXPECT_EQ(text->Number("x"), c.x);
        EXPECT_EQ(text->Number("y"), c.top + 12);  // baseline one ascent below the top
        EXPECT_EQ((*text)["fill"], "#000000");
        const Element& cell = *(text - 1);
        ASSERT_EQ(cell.name, "rect");
        EXPECT_EQ(cell.Number("x"), c.cellLeft);
        EXPECT_EQ(cell.Number("y"), c.top);
        EXPECT_EQ(cell.Number("width"), c.cellWidth);
        EXPECT_EQ(cell.Number("height"), 15);
        EXPECT_EQ(cell["fill"], c.cellFill);
    }
}

TEST(SvgSurface, ChartWithoutCalculationHasNoCurvesAndTheirColoursNowhere) {
    SvgSurface surface(768, 554);
    DrawResponseChart(surface, ChartDesign(0, 1, 0));
    const std::vector<Element> elements = Parse(surface.Document());
    EXPECT_TRUE(Named(elements, "line", "#dc0000").empty());
    EXPECT_TRUE(Named(elements, "line", "#64fa28").empty());
    EXPECT_EQ(std::count_if(elements.begin(), elements.end(), [](const Element& e) { return e.text == "Thermal Limit"; }),
              0);
    EXPECT_EQ(Named(elements, "text").size(), 5u + 2 + 11 + 1);  // frequencies, axis title, title, levels, dB
}

TEST(SvgSurface, PrimitivesFollowThePenModel) {
    static constexpr Pen kThin{1, {1, 2, 3}};
    static constexpr Pen kWide{2, {4, 5, 6}};
    static constexpr Brush kFill{{7, 8, 9}};
    SvgSurface surface(100, 100);
    surface.SelectPen(&kThin);
    surface.MoveTo(10, 10);
    surface.LineTo(10, 10);  // no pixel: nothing written
    surface.LineTo(4, 10);   // leftwards: pixels 5..10
    surface.MoveTo(0, 0);
    surface.LineTo(4, 2);    // slanted, flat: pixels x 0..3 along the line
    surface.SelectPen(&kWide);
    surface.LineTo(6, 8);    // steep, 2 wide: rows 2..8, columns x and x + 1
    surface.LineTo(6, 8);    // zero length: the one pixel, 2 deep
    surface.SelectBrush(&kFill);
    surface.Ellipse(20, 30, 40, 44);
    const std::vector<Element> elements = Parse(surface.Document());
    const std::vector<Element> lines = Named(elements, "line");
    ASSERT_EQ(lines.size(), 4u);

    EXPECT_EQ(lines[0].Number("x1"), 11);
    EXPECT_EQ(lines[0].Number("x2"), 5);
    EXPECT_EQ(lines[0].Number("y1"), 10.5);
    EXPECT_EQ(lines[0]["stroke"], "#010203");

    // Half a pixel back from the centre of (0, 0) along the line, half a pixel back from (4, 2).
    EXPECT_EQ(lines[1].Number("x1"), 0);
    EXPECT_EQ(lines[1].Number("y1"), 0.25);
    EXPECT_EQ(lines[1].Number("x2"), 4);
    EXPECT_EQ(lines[1].Number("y2"), 2.25);

    // From (4, 2) to (6, 8), end included, shifted half a pixel right to cover two columns.
    EXPECT_NEAR(lines[2].Number("x1"), 4.5 - 1.0 / 6 + 0.5, 1e-6);
    EXPECT_EQ(lines[2].Number("y1"), 2);
    EXPECT_NEAR(lines[2].Number("x2"), 6.5 + 1.0 / 6 + 0.5, 1e-6);
    EXPECT_EQ(lines[2].Number("y2"), 9);
    EXPECT_EQ(lines[2]["stroke-width"], "2");

    EXPECT_EQ(lines[3].Number("x1"), 6);
    EXPECT_EQ(lines[3].Number("x2"), 7);
    EXPECT_EQ(lines[3].Number("y1"), 9);

    const std::vector<Element> ellipses = Named(elements, "ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].Number("cx"), 30);
    EXPECT_EQ(ellipses[0].Number("cy"), 37);
    EXPECT_EQ(ellipses[0].Number("rx"), 9);  // (20 - 2) / 2: the outline inset by half its width
    EXPECT_EQ(ellipses[0].Number("ry"), 6);
    EXPECT_EQ(ellipses[0]["fill"], "#070809");
    EXPECT_EQ(ellipses[0]["stroke"], "#040506");
}

TEST(SvgSurface, TextIsEscaped) {
    SvgSurface surface(100, 100);
    surface.TextOut(0, 0, "a<b & \"c\">");
    EXPECT_NE(surface.Document().find(">a&lt;b &amp; &quot;c&quot;&gt;</text>"), std::string::npos);
}

struct WidthCase {
    const char* text;
    int width_px;
};

TEST(SurfaceFontMetrics, WidthsMatchQtsMeasureOfWholeTexts) {
    // QFontMetrics::horizontalAdvance of each whole text in DejaVu Sans Bold 13 px; kerning
    // makes these differ from the sum of the glyphs' rounded advances (107, 319, 285, 101).
    const WidthCase cases[] = {
        {"", 0},
        {"0", 9},
        {"-5", 14},
        {"dB", 19},
        {"1000", 36},
        {"Frequency(Hz)", 106},
        {"Frequency Response: Output vs. Frequency", 318},
        {"Power Response: Power vs. Frequency", 282},
        {"Thermal Limit", 102},
    };
    for (const WidthCase& c : cases) EXPECT_EQ(TextWidth_px(kSurfaceFontMetrics, c.text), c.width_px) << c.text;
    // A character outside ASCII counts once, as '?' (8 px): "\xc3\xa9" is one character.
    EXPECT_EQ(TextWidth_px(kSurfaceFontMetrics, "\xc3\xa9"), TextWidth_px(kSurfaceFontMetrics, "?"));
}

}  // namespace
}  // namespace resonara
