#include "logic/entry_replay.h"

namespace korvanta {

void TypeEntries(InputForm& form, PairKind kind, const std::array<std::optional<std::string>, 8>& entries,
                 const std::array<std::optional<double>, 8>& checked) {
    form.Activated();
    form.Enter(InputField::NT1);
    if (kind == PairKind::Internal) {
        form.ChooseKind(PairKind::Internal);
    }
    for (InputField field : kInputFields) {
        const auto index = static_cast<std::size_t>(field);
        if (const std::optional<std::string>& text = entries[index]) {
            form.Enter(field);
            if (const std::optional<double>& number = checked[index]) {
                form.SetCheckedText(field, *text, *number);
            } else {
                form.SetText(field, *text);
            }
            form.Leave(field);
        }
    }
}

} // namespace korvanta
