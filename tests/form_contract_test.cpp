// The form contract against the in-memory twin.
#include "form_contract.h"
#include "support/memory_form.h"

namespace vokanti::testing {
namespace {

class MemoryFormUnderTest : public FormUnderTest {
public:
    MemoryFormUnderTest() { addMainDialogControls(form_); }
    Form& form() override { return form_; }
    int focusedWithWholeTextSelected() override { return form_.focusedWithSelection(); }
    Entries entries(int id) override { return form_.entries(id); }

private:
    MemoryForm form_;
};

INSTANTIATE_TEST_SUITE_P(Forms, FormContract,
                         ::testing::Values(FormImplementation{"Memory", [] {
                             return std::unique_ptr<FormUnderTest>(new MemoryFormUnderTest);
                         }}),
                         formImplementationName);

}  // namespace
}  // namespace vokanti::testing
