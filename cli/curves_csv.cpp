#include <fstream>

#include "reports.h"
#include "result_fields.h"
#include "round_trip_text.h"

namespace resonara {

bool WriteCurvesCsv(const std::string& path, const DesignerRun& run) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << kFrequencyColumn;
    for (const CurveColumn& column : kCurveColumns) {
        file << ',' << column.name;
    }
    file << '\n';
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        file << RoundTripText(CurveFrequency_Hz(i));
        for (const CurveColumn& column : kCurveColumns) {
            file << ',' << RoundTripText(column.samples(run)[i]);
        }
        file << '\n';
    }
    file.close();
    return !file.fail();
}

}  // namespace resonara
