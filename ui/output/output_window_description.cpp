#include "ui/output/output_window_description.h"

namespace korvanta {

namespace {

const OutputWindowDescription kExternal{
    PairKind::External,
    "FormSAP",
    &NewExternalTable,
    {{
        {"LabelNT", "TextNT1", "TextNT2"},  {"LabelDP", "TextDP1", "TextDP2"},
        {"Label1", "TextTDP1", "TextTDP2"}, {"LabelPA", "TextPA1", "TextPA2"},
        {"Label5", "TextTPA1", "TextTPA2"}, {"Label13", "Text_13", "Text_14"},
        {"LabelHA", "TextHA1", "TextHA2"},  {"LabelDB", "TextDB1", "TextDB2"},
        {"LabelPD", "TextPD1", "TextPD2"},  {"LabelOD", "TextOD1", "TextOD2"},
        {"LabelCD", "TextCD1", "TextCD2"},  {"LabelAMC", "TextProfileshift1", "TextProfileshift2"},
        {"LabelSAP_0", "Text_1", "Text_2"}, {"LabelTIF_1", "Text_3", "Text_4"},
        {"Label2_1", "Text_15", "Text_16"}, {"Label2_0", "Text_5", "Text_6"},
        {"Label2_2", "Text_7", "Text_8"},   {"Label2_3", "Text_9", "Text_10"},
        {"Label2_4", "Text_11", "Text_12"},
    }},
    {600, 35, 226, 198, {300, 440}, {295, 435}, 537, {244, 357}, 55},
    std::nullopt,
    false,
};

// The internal window's table starts five pixels lower and its columns five pixels further left, its
// headings stand right over the cells, and its TIF caption runs under the note button.
const OutputWindowDescription kInternal{
    PairKind::Internal,
    "FormSAP2",
    &NewInternalTable,
    {{
        {"LabelNT", "TextNT1", "TextNT2"},        {"LabelDP", "TextDP1", "TextDP2"},
        {"Label1", "TextTDP1", "TextTDP2"},       {"LabelPA", "TextPA1", "TextPA2"},
        {"Label5", "TextTPA1", "TextTPA2"},       {"LabelOPA", "Text_13", "Text_14"},
        {"LabelHA", "TextHA1", "TextHA2"},        {"LabelDB", "TextDB1", "TextDB2"},
        {"LabelPD", "TextPD1", "TextPD2"},        {"LabelOD", "TextOD1", "TextOD2"},
        {"LabelCD", "TextCD1", "TextCD2"},        {"LabelAMC", "TextProfileshift1", "TextProfileshift2"},
        {"LabelSAP_0", "Text_1", "Text_2"},       {"LabelTIF_1", "Text_3", "Text_4"},
        {"LabelOVERLAP_1", "Text_15", "Text_16"}, {"Label2_0", "Text_11", "Text_12"},
        {"Label2_2", "Text_5", "Text_6"},         {"Label2_3", "Text_7", "Text_8"},
        {"Label2_4", "Text_9", "Text_10"},
    }},
    {593, 40, 221, 221, {290, 430}, {290, 430}, 533, {241, 363}, 50},
    9.75,
    true,
};

} // namespace

const OutputWindowDescription& DescriptionOf(PairKind kind) {
    return kind == PairKind::Internal ? kInternal : kExternal;
}

} // namespace korvanta
