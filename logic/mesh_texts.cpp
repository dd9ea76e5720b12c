#include "logic/mesh_texts.h"

#include <array>

#include "core/number_text.h"
#include "logic/sheet_header.h"
#include "logic/table_copy.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

// The note may run over several lines; a header line holds it on one.
std::string OneLine(std::string text) {
    std::string line;
    bool pendingBreak = false;
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == '\t') {
            pendingBreak = true;
            continue;
        }
        if (pendingBreak && !line.empty()) {
            line += ' ';
        }
        pendingBreak = false;
        line += c;
    }
    return line;
}

} // namespace

std::string CircleCaption(MeshCircleKind kind, PairKind pair) {
    switch (kind) {
    case MeshCircleKind::Base:
        return "Base circle";
    case MeshCircleKind::OperatingPitch:
        return "Operating pitch circle";
    case MeshCircleKind::Outside:
        return pair == PairKind::Internal ? "Outside circle (gear: inside circle)" : "Outside circle";
    case MeshCircleKind::SAP:
        return "SAP circle (start of active profile)";
    case MeshCircleKind::TIF:
        return "TIF circle (true involute form)";
    }
    return {};
}

std::string AssumedRootCaption(std::string_view assumption) {
    return "Assumed root: " + std::string(assumption);
}

std::string PathLengthText(double length, LengthUnit unit) {
    return "Path of contact: " + PatternValue(length, kResultDecimals) + " " + std::string(UnitSymbol(unit));
}

std::string ContactRatioText(double ratio) {
    return "Contact ratio: " + PatternValue(ratio, kResultDecimals);
}

PerMember<std::string> RollAngleTexts(const MeshContact& contact) {
    const std::string degree(kDegreeSign);
    return {"Pinion " + PatternValue(contact.rollAngle.pinion, kRollAngleDecimals) + degree,
            "Gear " + PatternValue(contact.rollAngle.gear, kRollAngleDecimals) + degree};
}

std::string TurnText(double basePitches, int pinionTeeth) {
    const double degrees = pinionTeeth > 0 ? basePitches * 360.0 / pinionTeeth : 0.0;
    return "Pinion turned " + PatternValue(degrees, kRollAngleDecimals) + std::string(kDegreeSign);
}

std::vector<std::string> MeshHeaderLines(const JobData& job, PairKind kind, LengthUnit unit,
                                         std::string_view date) {
    std::vector<std::array<std::string, 2>> jobLines = HeadLines(job, unit);
    jobLines.pop_back(); // the units, said below as the sheet says them
    std::vector<std::string> lines;
    for (const auto& [label, text] : jobLines) {
        lines.push_back(label + ": " + OneLine(text));
    }
    lines.push_back(SheetPairKindText(kind));
    lines.push_back(SheetUnitsText(unit));
    lines.push_back("Made " + std::string(date) + " by " + SheetProgramText());
    return lines;
}

std::string UnwritablePictureFile(std::string_view fileName, std::string_view reason) {
    return "The picture could not be saved to \"" + std::string(fileName) + "\": " + std::string(reason) +
           ". The file was left as it was.";
}

} // namespace korvanta
