// A control's property page: a dialog inside the property sheet that edits
// properties of one or more controls by name. Its fields are filled from
// the first control when the page opens; Apply takes them back, validates
// them all, and only then puts each bound property on every control.
#pragma once

#include "platform/dialog.h"
#include "platform/export.h"
#include "platform/olectl.h"
#include "platform/variant.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class NIMBO_PLATFORM_API COlePropertyPage : public CDialog {
public:
    // The caption is string captionStringId of the module.
    COlePropertyPage(HINSTANCE module, UINT templateId, UINT captionStringId);
    // A page made in code.
    COlePropertyPage(DialogTemplate dialogTemplate, std::string caption);

    const std::string& Caption() const { return caption_; }
    // What a page says of itself for help: a line of text and the help file
    // it names. Kept with the page; nothing shows it yet.
    void SetHelpInfo(std::string docString, std::string helpFile)
    {
        docString_ = std::move(docString);
        helpFile_ = std::move(helpFile);
    }
    const std::string& DocString() const { return docString_; }
    const std::string& HelpFile() const { return helpFile_; }
    void SetObjects(std::vector<COleControl*> objects) { objects_ = std::move(objects); }
    const std::vector<COleControl*>& GetObjects() const { return objects_; }

    // False, with the user told and nothing put, when a field fails or a
    // control refuses a value. A page never opened has nothing to apply.
    virtual bool Apply();
    bool IsDirty() const { return dirty_; }
    void SetModifiedFlag(bool modified = true);
    // Hears every change of IsDirty (the sheet's Apply button does).
    void SetModifiedListener(std::function<void(bool)> listener) { listener_ = std::move(listener); }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // What the DDP_ functions do: while the fields are filled, load calls
    // with the first control's value of the property that has it; while
    // Apply takes them back, the property is queued to be put with what
    // value answers then.
    void ExchangeProperty(CDataExchange* pDX, const std::string& property, std::function<void(const Variant&)> load,
                          std::function<Variant()> value);
    // The first control's value of the property; false when none has it.
    bool GetObjectProperty(const std::string& property, Variant* value) const;

private:
    struct Queued {
        std::string property;
        std::function<Variant()> value;
    };
    bool PutQueued(const std::vector<Queued>& queued);

    std::string caption_;
    std::string docString_, helpFile_;
    std::vector<COleControl*> objects_;
    std::vector<Queued> queued_;
    // Each bound property's value as the page last loaded or put it: Apply
    // puts only what differs, as a page puts what the user changed.
    std::map<std::string, Variant> shown_;
    bool collecting_ = false;
    bool dirty_ = false;
    std::function<void(bool)> listener_;
};

// Bind a field's member to a property by name; the DDX_ and DDV_ calls for
// the same member follow, as in MFC.
NIMBO_PLATFORM_API void DDP_Text(CDataExchange* pDX, int id, std::int32_t& member, const char* property);
NIMBO_PLATFORM_API void DDP_Text(CDataExchange* pDX, int id, std::string& member, const char* property);
NIMBO_PLATFORM_API void DDP_Text(CDataExchange* pDX, int id, std::int64_t& member, const char* property);
NIMBO_PLATFORM_API void DDP_CBIndex(CDataExchange* pDX, int id, int& member, const char* property);
NIMBO_PLATFORM_API void DDP_Check(CDataExchange* pDX, int id, BOOL& member, const char* property);
