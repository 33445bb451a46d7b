#include "chart_labels.h"

#include <array>
#include <string_view>

#include "chart_scale.h"
#include "palette.h"

namespace resonara {

namespace {

struct FrequencyLabel {
    double frequency_Hz;  // centred on this frequency's column
    std::string_view text;
};

constexpr std::array<FrequencyLabel, 5> kFrequencyLabels{{
    {10, "10"}, {50, "50"}, {100, "100"}, {500, "500"}, {1000, "1000"},
}};
constexpr int kFrequencyLabelTop_px = 495;

// Centred on the 100 Hz column.
constexpr int kTitleCentre_px = 405;
constexpr int kFrequencyAxisTitleTop_px = 515;
constexpr std::string_view kFrequencyAxisTitle = "Frequency(Hz)";
constexpr int kChartTitleTop_px = 210;
constexpr std::string_view kOutputTitle = "Frequency Response: Output vs. Frequency";
constexpr std::string_view kPowerTitle = "Power Response: Power vs. Frequency";

// Right edges at x = 60, each top 5 pixels above its grid line.
struct LevelLabel {
    int top_px;
    std::string_view output_dB;
    std::string_view power;
};

constexpr int kLevelLabelRight_px = 60;
constexpr std::array<LevelLabel, 11> kLevelLabels{{
    {485, "-25", "0"},
    {460, "-20", "15"},
    {435, "-15", "30"},
    {410, "-10", "45"},
    {385, "-5", "60"},
    {360, "0", "75"},
    {335, "5", "90"},
    {310, "10", "105"},
    {285, "15", "120"},
    {260, "20", "135"},
    {235, "25", "150"},
}};

// The unit beside the level labels, in both modes.
constexpr Point kLevelUnitRightTop{40, 360};
constexpr std::string_view kLevelUnit = "dB";

}  // namespace

void DrawAxisLabels(Surface& surface, bool outputMode) {
    surface.SetBkColor(kLabelGrey);
    surface.SetTextAlign(TA_CENTER | TA_TOP);
    for (const FrequencyLabel& label : kFrequencyLabels) {
        surface.TextOut(FrequencyToX(label.frequency_Hz), kFrequencyLabelTop_px, label.text);
    }
    surface.TextOut(kTitleCentre_px, kFrequencyAxisTitleTop_px, kFrequencyAxisTitle);
    surface.TextOut(kTitleCentre_px, kChartTitleTop_px, outputMode ? kOutputTitle : kPowerTitle);

    surface.SetTextAlign(TA_RIGHT | TA_TOP);
    for (const LevelLabel& label : kLevelLabels) {
        surface.TextOut(kLevelLabelRight_px, label.top_px, outputMode ? label.output_dB : label.power);
    }
    surface.TextOut(kLevelUnitRightTop.x, kLevelUnitRightTop.y, kLevelUnit);
}

}  // namespace resonara
