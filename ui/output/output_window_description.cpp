#include "ui/output/output_window_description.h"

#include "ui_external_output_window.h"
#include "ui_internal_output_window.h"

namespace korvanta {

namespace {

template <class Form> void Build(QWidget& window) {
    Form form;
    form.setupUi(&window);
}

const OutputWindowDescription kExternal{
    PairKind::External,
    &Build<Ui::ExternalOutputWindow>,
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
    std::nullopt,
    false,
};

const OutputWindowDescription kInternal{
    PairKind::Internal,
    &Build<Ui::InternalOutputWindow>,
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
    9.75,
    true,
};

} // namespace

const OutputWindowDescription& DescriptionOf(PairKind kind) {
    return kind == PairKind::Internal ? kInternal : kExternal;
}

} // namespace korvanta
