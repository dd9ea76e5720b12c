#include "logic/entry_replay.h"

namespace korvanta {

void TypeEntries(InputForm& form, PairKind kind, const std::array<std::optional<std::string>, 8>& entries) {
    form.Activated();
    form.Enter(InputField::NT1);
    if (kind == PairKind::Internal) {
        form.ChooseKind(PairKind::Internal);
    }
    for (InputField field : kInputFields) {
        if (const std::optional<std::string>& text = entries[static_cast<std::size_t>(field)]) {
            form.Enter(field);
            form.SetText(field, *text);
            form.Leave(field);
        }
    }
}

} // namespace korvanta
