#pragma once
// A menu combo box over an enumerated setting's table.
#include <imgui.h>

#include "settings/EnumTable.h"

namespace dusk::ui {

// Shows the value's label and lists every label of the table; true when the
// player picked another value, which is then in value.
template <typename E, std::size_t N>
bool enumCombo(const char* title, const EnumTable<E, N>& table, E& value) {
    bool changed = false;
    if (ImGui::BeginCombo(title, entryOf(table, value).label)) {
        for (const EnumEntry<E>& choice : table) {
            if (ImGui::Selectable(choice.label, choice.value == value)) {
                changed = choice.value != value;
                value = choice.value;
            }
        }
        ImGui::EndCombo();
    }
    return changed;
}

}  // namespace dusk::ui
