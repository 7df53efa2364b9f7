#pragma once
// The data exchange between the main dialog's fields and JobOptions, run over one list of
// bindings in a fixed order: IDC_IGNORE_SHORT, IDC_IGNORE_LONG, IDC_QUESTION_NUM (integers),
// IDC_DICTIONARY, IDC_INPUT, IDC_OUTPUT (combo texts), IDC_CUT_LENGTH (integer).
// Check boxes and radio buttons are not part of it: they are read from the form directly.
#include <optional>
#include <string>

#include "core/form.h"
#include "core/job_options.h"

namespace vokanti {

// The entries of the dialog's combo boxes, as the data behind them holds them (the
// controls are never read back).
class ComboEntries {
public:
    virtual ~ComboEntries() = default;
    // The index of the first entry of combo box `id` equal to `text` (ASCII letters
    // compared without regard to case, double-byte characters exactly); -1 when none is.
    virtual int findEqualEntry(int id, const std::string& text) const = 0;
};

// Copies the fields into `options` in the exchange order. Stops at the first integer field
// that is rejected and returns its control id; the fields after it keep their values in
// `options`. Absent when every field was taken.
std::optional<int> readExchange(const Form& form, JobOptions& options);

// Copies `options` into the fields, in the same order. Integers are written in decimal; a
// text is written into its combo box by selecting the first entry equal to it, or, when
// none is equal, by setting the edit text to the text itself.
void writeExchange(Form& form, const JobOptions& options, const ComboEntries& entries);

}  // namespace vokanti
