#include <ostream>

#include "number_text.h"
#include "reports.h"
#include "result_fields.h"

namespace resonara {

void WritePlainReport(std::ostream& out, const DesignerRun& run) {
    for (const ResultField& field : kResultFields) {
        out << field.name << ": " << FormatFloat(run.design.*field.value) << UnitLabel(run.design, field) << '\n';
    }
    if (run.box) {
        for (const BoxFigureField& field : kBoxFigureFields) {
            out << BoxFigureLabel(field.figure, run.box->english) << ' ' << FormatFloat(*run.box.*field.value) << '\n';
        }
    }
    for (const std::string& message : run.messages) {
        out << message << '\n';
    }
}

}  // namespace resonara
