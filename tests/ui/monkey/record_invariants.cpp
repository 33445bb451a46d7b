#include "record_invariants.h"

#include <cstring>
#include <span>
#include <string>
#include <utility>

#include "box_calc_dlg.h"
#include "box_design.h"

namespace resonara::monkey {
namespace {

// The record's values by name, to compare two records bit for bit.
template <class Record>
struct Members {
    std::span<const std::pair<const char*, int Record::*>> ints;
    std::span<const std::pair<const char*, double Record::*>> doubles;
    std::span<const std::pair<const char*, float Record::*>> floats;
    std::span<const std::pair<const char*, std::string Record::*>> texts;
};

using D = BoxDesign;
constexpr std::pair<const char*, int D::*> kDesignInts[] = {
    {"Output Response", &D::outputResponse}, {"Power Response", &D::powerResponse}, {"S 0.5", &D::s05},
    {"S 0.6", &D::s06}, {"S 0.7", &D::s07}, {"calculated", &D::calculated},
};
constexpr std::pair<const char*, double D::*> kDesignDoubles[] = {
    {"Diameter", &D::Diameter}, {"Dp", &D::Dp}, {"Fs", &D::Fs},   {"Gain", &D::Gain}, {"Ports", &D::Ports},
    {"Pmax", &D::Pmax},         {"Qes", &D::Qes}, {"Qts", &D::Qts}, {"Vas", &D::Vas},   {"Xmax", &D::Xmax},
};
constexpr std::pair<const char*, float D::*> kDesignFloats[] = {
    {"Vr", &D::Vr}, {"Vf", &D::Vf}, {"Fb", &D::Fb}, {"Fl", &D::Fl}, {"Fh", &D::Fh}, {"Lp", &D::Lp},
};
constexpr std::pair<const char*, std::string D::*> kDesignTexts[] = {
    {"Dp label", &D::DpLabel},     {"Lp label", &D::LpLabel}, {"Vas label", &D::VasLabel},
    {"Vf label", &D::VfLabel},     {"Vr label", &D::VrLabel}, {"Xmax label", &D::XmaxLabel},
    {"Diameter label", &D::DiameterLabel},
};
constexpr Members<D> kDesignMembers{kDesignInts, kDesignDoubles, kDesignFloats, kDesignTexts};

using B = BoxCalcFields;
constexpr std::pair<const char*, int B::*> kBoxInts[] = {
    {"Constrain 1", &B::constrain1}, {"Constrain 2", &B::constrain2}, {"Constrain 3", &B::constrain3},
};
constexpr std::pair<const char*, double B::*> kBoxDoubles[] = {
    {"Dp", &B::Dp}, {"Lp", &B::Lp}, {"Ports", &B::Ports},
};
constexpr std::pair<const char*, float B::*> kBoxFloats[] = {
    {"Vf", &B::Vf},         {"Vr", &B::Vr},        {"port volume", &B::portVolume}, {"Total Volume", &B::totalVolume},
    {"Length", &B::length}, {"Width", &B::width},  {"Front Depth", &B::frontDepth}, {"Rear Depth", &B::rearDepth},
    {"Addl. Vf", &B::addlVf}, {"Addl. Vr", &B::addlVr}, {"Total Vf", &B::totalVf},   {"Total Vr", &B::totalVr},
};
constexpr Members<B> kBoxMembers{kBoxInts, kBoxDoubles, kBoxFloats, {}};

template <class Value>
bool SameBits(Value a, Value b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void AddName(std::string& names, const char* name) { names += std::string(names.empty() ? "" : ", ") + name; }

// The name of every member that differs.
template <class Record>
std::string Differences(const Members<Record>& members, const Record& a, const Record& b) {
    std::string names;
    auto compare = [&](auto table) {
        for (const auto& [name, member] : table) {
            if (!SameBits(a.*member, b.*member)) AddName(names, name);
        }
    };
    compare(members.ints);
    compare(members.doubles);
    compare(members.floats);
    for (const auto& [name, member] : members.texts) {
        if (a.*member != b.*member) AddName(names, name);
    }
    return names;
}

bool SameCurve(const ResponseCurve& a, const ResponseCurve& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

}  // namespace

void CheckRecordUnchanged(const BoxDesign& before, const BoxDesign& after, Findings& findings) {
    std::string changed = Differences(kDesignMembers, before, after);
    if (before.english != after.english || before.metric != after.metric) AddName(changed, "unit flags");
    if (!SameCurve(before.curveA, after.curveA)) AddName(changed, "curve A");
    if (!SameCurve(before.curveB, after.curveB)) AddName(changed, "curve B");
    if (!SameCurve(before.curveC, after.curveC)) AddName(changed, "curve C");
    if (!changed.empty()) findings.Add("the record changed: " + changed);
}

void CheckBoxFieldsUnchanged(const BoxCalcFields& before, const BoxCalcFields& after, Findings& findings) {
    std::string changed = Differences(kBoxMembers, before, after);
    if (before.english != after.english) AddName(changed, "English flag");
    if (!changed.empty()) findings.Add("closing the Box Calculator changed its " + changed);
}

}  // namespace resonara::monkey
