// Form files that must not build, and what they are told: the file, the
// line, the reason.
#include "platform/form.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string ErrorOf(const std::string& text)
{
    std::string error;
    std::unique_ptr<nimbo::Form> form = nimbo::Form::Parse(text, "t.form", &error);
    EXPECT_EQ(form, nullptr) << "built although it should not";
    return error;
}

TEST(FormParse, UnknownClassNamesItsLine)
{
    const std::string error = ErrorOf("# a comment\nForm F\n    Begin X1 No.Such\n    End\nEnd\n");
    EXPECT_EQ(error.rfind("t.form:3: unknown control class 'No.Such' (not registered in ", 0), 0u) << error;
}

TEST(FormParse, BadValues)
{
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n    Left = abc\n  End\nEnd\n"),
              "t.form:3: bad value for Left: not a number, true/false or a quoted string: abc");
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n    Width = \"wide\"\n  End\nEnd\n"),
              "t.form:3: Width is a number of twips");
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n    Height = -15\n  End\nEnd\n"),
              "t.form:3: Height must not be negative");
    EXPECT_EQ(ErrorOf("Form F\n  Caption = \"open\nEnd\n"), "t.form:2: bad value for Caption: unterminated string");
    EXPECT_EQ(ErrorOf("Form F\n  ClientWidth = 0\nEnd\n"), "t.form:2: ClientWidth is a number of twips above 0");
    EXPECT_EQ(ErrorOf("Form F\n  StartUpPosition = middle\nEnd\n"),
              "t.form:2: StartUpPosition is default or center, not middle");
    EXPECT_EQ(ErrorOf("Form F\n  Icon = nimbo\nEnd\n"),
              "t.form:2: Icon is MODULE:NUMBER (a resource module and an icon in it), not nimbo");
    EXPECT_EQ(ErrorOf("Form F\n  Left = 10\nEnd\n"), "t.form:2: a Form has no property 'Left'");
}

struct OutOfRange {
    const char* text;
    const char* error;
};

class FormParseRange : public testing::TestWithParam<OutOfRange> {};

TEST_P(FormParseRange, IsRefusedAtItsLine)
{
    EXPECT_EQ(ErrorOf(GetParam().text), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    SizesAndPlaces, FormParseRange,
    testing::Values(
        OutOfRange{"Form F\n  ClientWidth = 2000000000\nEnd\n", "t.form:2: ClientWidth is at most 491505 twips"},
        OutOfRange{"Form F\n  Caption = \"x\"\n  ClientHeight = 100000000\nEnd\n",
                   "t.form:3: ClientHeight is at most 491505 twips"},
        OutOfRange{"Form F\n  ClientWidth = 491506\nEnd\n", "t.form:2: ClientWidth is at most 491505 twips"},
        OutOfRange{"Form F\n  ClientWidth = -5\nEnd\n", "t.form:2: ClientWidth is a number of twips above 0"},
        OutOfRange{"Form F\n  Begin L1 Label\n    Width = 2000000000\n  End\nEnd\n",
                   "t.form:3: Width is at most 491505 twips"},
        OutOfRange{"Form F\n  Begin L1 Label\n    Top = 0\n    Left = 2000000000\n  End\nEnd\n",
                   "t.form:4: Left is between -491505 and 491505 twips"},
        OutOfRange{"Form F\n  Begin L1 Label\n    Top = -491506\n  End\nEnd\n",
                   "t.form:3: Top is between -491505 and 491505 twips"}));

TEST(FormParse, StandardControlsTakeOnlyTheirOwnProperties)
{
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n    Text = \"x\"\n  End\nEnd\n"),
              "t.form:3: a Label has no property 'Text'");
    EXPECT_EQ(ErrorOf("Form F\n  Begin C1 CommandButton\n    Caption = 5\n  End\nEnd\n"),
              "t.form:3: Caption of a CommandButton is a quoted string");
    EXPECT_EQ(ErrorOf("Form F\n  Begin T1 TextBox\n    Locked = 1\n  End\nEnd\n"),
              "t.form:3: Locked of a TextBox is true or false");
}

TEST(FormParse, MissingEnds)
{
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n    Caption = \"x\"\n"), "t.form:2: Begin L1 has no End");
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n  End\n"), "t.form:1: Form F has no End");
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n  Begin L2 Label\n  End\nEnd\n"),
              "t.form:3: Begin inside a control: the End of L1 (line 2) is missing");
}

TEST(FormParse, DuplicatesWhateverTheirCase)
{
    EXPECT_EQ(ErrorOf("Form F\n  Begin Label1 Label\n  End\n\n  Begin label1 TextBox\n  End\nEnd\n"),
              "t.form:5: duplicate control name 'label1' (first at line 2)");
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n    Left = 1\n    left = 2\n  End\nEnd\n"),
              "t.form:4: left given twice (first at line 3)");
}

TEST(FormParse, StrayLines)
{
    EXPECT_EQ(ErrorOf(""), "t.form:1: no 'Form NAME' line");
    EXPECT_EQ(ErrorOf("Begin L1 Label\n"), "t.form:1: expected 'Form NAME'");
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1\n  End\nEnd\n"), "t.form:2: expected 'Begin NAME CLASS'");
    EXPECT_EQ(ErrorOf("Form F\n  Begin L1 Label\n    Caption \"x\"\n  End\nEnd\n"),
              "t.form:3: expected 'Key = value', 'Begin NAME CLASS' or 'End'");
    EXPECT_EQ(ErrorOf("Form F\nEnd\nForm G\n"), "t.form:3: text after the End of the form");
}

TEST(FormParse, CommentsQuotesAndCarriageReturns)
{
    std::string error;
    auto form = nimbo::Form::Parse("Form F   # the form\r\n  Caption = \"a # b\"  # not part of it\r\n"
                                   "  StartUpPosition = center\r\n  Icon = \"some:3\"\r\nEnd\r\n",
                                   "t.form", &error);
    ASSERT_NE(form, nullptr) << error;
    EXPECT_EQ(form->Name(), "F");
    EXPECT_FALSE(form->IsOpen());
}

TEST(FormParse, FilesAreReportedByTheirPath)
{
    const std::string path = (std::filesystem::temp_directory_path() / "ctl-form-parse-test.form").string();
    {
        std::ofstream out(path);
        out << "Form F\n  Bogus\nEnd\n";
    }
    std::string error;
    EXPECT_EQ(nimbo::Form::Load(path, &error), nullptr);
    EXPECT_EQ(error, path + ":2: expected 'Key = value', 'Begin NAME CLASS' or 'End'");
    std::remove(path.c_str());

    EXPECT_EQ(nimbo::Form::Load(path, &error), nullptr);
    EXPECT_EQ(error, path + ": cannot read the form file");
}

}  // namespace
