#include <ostream>

#include "json_writer.h"
#include "reports.h"
#include "result_fields.h"

namespace resonara {
namespace {

void WriteInputs(JsonWriter& json, const DesignerOptions& options, const DesignerRun& run) {
    json.BeginObject();
    for (std::size_t i = 0; i < kInputOptions.size(); ++i) {
        json.Key(kInputOptions[i].jsonKey);
        json.ShortestNumber(run.inputs[i]);
    }
    json.Key("s");
    json.RawNumber(kSOptions[options.sOption].text);
    json.Key("units");
    json.String(options.units == UnitSystem::English ? "english" : "metric");
    json.EndObject();
}

void WriteResults(JsonWriter& json, const BoxDesign& design) {
    json.BeginObject();
    for (const ResultField& field : kResultFields) {
        json.Key(field.name);
        json.Number(design.*field.value);
    }
    json.EndObject();
}

void WriteBox(JsonWriter& json, const BoxCalculation& box) {
    json.BeginObject();
    for (const BoxFigureField& field : kBoxFigureFields) {
        json.Key(field.jsonKey);
        json.Number(box.*field.value);
    }
    json.EndObject();
}

void WriteMessages(JsonWriter& json, const DesignerRun& run) {
    json.BeginArray();
    for (const std::string& message : run.messages) {
        json.String(message);
    }
    json.EndArray();
}

void WriteCurves(JsonWriter& json, const DesignerRun& run) {
    json.BeginObject();
    json.Key(kFrequencyColumn);
    json.BeginArray();
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        json.Number(CurveFrequency_Hz(i));
    }
    json.EndArray();
    for (const CurveColumn& column : kCurveColumns) {
        json.Key(column.name);
        json.BeginArray();
        for (const double sample : column.samples(run)) {
            json.Number(sample);
        }
        json.EndArray();
    }
    json.EndObject();
}

}  // namespace

void WriteJsonReport(std::ostream& out, const DesignerOptions& options, const DesignerRun& run) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("inputs");
    WriteInputs(json, options, run);
    json.Key("results");
    WriteResults(json, run.design);
    if (run.box) {
        json.Key("box");
        WriteBox(json, *run.box);
    }
    json.Key("port_warning");
    json.Bool(run.PortWarning());
    json.Key("messages");
    WriteMessages(json, run);
    if (options.curves) {
        json.Key("curves");
        WriteCurves(json, run);
    }
    json.EndObject();
    out << '\n';
}

}  // namespace resonara
