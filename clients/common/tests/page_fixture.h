// A control's property page opened on the control as a sheet opens it, and
// applied with what the framework says on standard error held back: the
// part every control's page tests share.
#pragma once

#include "platform/olectl.h"

#include <gtest/gtest.h>

template <class Page>
class PageOn {
protected:
    // Call from SetUp once the control holds what the page should show.
    void OpenOn(COleControl& control)
    {
        page.SetObjects({&control});
        ASSERT_TRUE(page.Create(0));
    }
    bool Apply()
    {
        ::testing::internal::CaptureStderr();
        const bool applied = page.Apply();
        ::testing::internal::GetCapturedStderr();
        return applied;
    }

    Page page;
};
