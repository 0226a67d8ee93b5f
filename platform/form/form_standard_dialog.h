// A standard control's settings in design mode (a button's caption and
// the form it opens, a label's caption, a text box's text), one field each.
// For the form sources only.
#pragma once

#include "platform/dialog.h"
#include "platform/form/form_design.h"

#include <vector>

namespace nimbo::form {

class StandardDialog : public CDialog {
public:
    static constexpr int kFirstField = 101;  // then one a setting, in order

    explicit StandardDialog(const ControlDesign& design);
    void DoDataExchange(CDataExchange* pDX) override;
    // The control's properties as the dialog leaves them: the file's own in
    // their order, then any other setting that differs from its default.
    std::vector<Property> Properties() const;

private:
    struct Field {
        StandardSetting setting;
        std::string text;
        std::int32_t number = 0;
        BOOL checked = FALSE;
    };
    const ControlDesign& design_;
    std::vector<Field> fields_;
};

}  // namespace nimbo::form
