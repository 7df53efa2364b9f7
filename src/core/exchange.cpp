#include "core/exchange.h"

#include <array>
#include <cstdint>

#include "core/control_ids.h"
#include "core/integer_text.h"

namespace vokanti {

namespace {

struct Binding {
    int id;
    int32_t JobOptions::*integer;  // set for an integer field
    std::string JobOptions::*text;  // set for a combo text
};

constexpr std::array<Binding, 7> kBindings = {{
    {IDC_IGNORE_SHORT, &JobOptions::ignoreShort, nullptr},
    {IDC_IGNORE_LONG, &JobOptions::ignoreLong, nullptr},
    {IDC_QUESTION_NUM, &JobOptions::questionNum, nullptr},
    {IDC_DICTIONARY, nullptr, &JobOptions::dictionary},
    {IDC_INPUT, nullptr, &JobOptions::input},
    {IDC_OUTPUT, nullptr, &JobOptions::output},
    {IDC_CUT_LENGTH, &JobOptions::cutLength, nullptr},
}};

}  // namespace

std::optional<int> readExchange(const Form& form, JobOptions& options) {
    for (const Binding& b : kBindings) {
        if (b.integer) {
            const auto value = parseIntField(form.text(b.id));
            if (!value) return b.id;
            options.*b.integer = *value;
        } else {
            options.*b.text = form.text(b.id);
        }
    }
    return std::nullopt;
}

void writeExchange(Form& form, const JobOptions& options, const ComboEntries& entries) {
    for (const Binding& b : kBindings) {
        if (b.integer) {
            form.setText(b.id, std::to_string(options.*b.integer));
            continue;
        }
        const std::string& text = options.*b.text;
        const int index = entries.findEqualEntry(b.id, text);
        if (index >= 0) {
            form.setSelection(b.id, index);
        } else {
            form.setText(b.id, text);
        }
    }
}

}  // namespace vokanti
