// The two file choosers: a click chooses a file, OK and a double click hand
// it back, and the typed variant edits the name with keys.
#include "file_entry_selector.h"
#include "load_file_selector.h"
#include "selector_fixture.h"

namespace {

using namespace selector_test;

constexpr int kOkY = 408, kReturn = 0xff0d, kBackSpace = 0xff08;

class FileSelector : public SelectorFixture {
protected:
    void SetUp() override
    {
        fs::create_directory("sub");
        touch("track 9.wav");
        touch("track10.wav");
    }
    CLoadFileSelector sel{&engine, &font};
};

TEST_F(FileSelector, AClickChoosesAFileAndOkHandsItBack)
{
    show(sel, 464);
    ASSERT_EQ(shown_names(sel), (std::vector<std::string>{".", "..", "sub", "track 9.wav", "track10.wav"}));
    click(sel, 40, kOkY);  // nothing chosen yet
    EXPECT_EQ(result.ok_calls, 1);
    EXPECT_TRUE(result.ok_path_null);

    click(sel, kRowX, row_y(4));
    EXPECT_STREQ(sel.chosen_path(), (root_ / "track10.wav").c_str());
    EXPECT_TRUE(sel.listing().entry(4).highlighted);
    click(sel, kRowX, row_y(3));  // one highlight at a time
    EXPECT_FALSE(sel.listing().entry(4).highlighted);
    EXPECT_TRUE(sel.listing().entry(3).highlighted);
    click(sel, kRowX, row_y(9));  // off the names: highlights go
    EXPECT_FALSE(sel.listing().entry(3).highlighted);
    EXPECT_STREQ(sel.chosen_path(), (root_ / "track 9.wav").c_str());

    click(sel, 40, kOkY);
    EXPECT_EQ(result.ok_calls, 2);
    EXPECT_EQ(result.path, (root_ / "track 9.wav").string());

    // Walking into a folder forgets the choice.
    click(sel, kRowX, row_y(2));
    EXPECT_EQ(sel.chosen_path(), nullptr);
}

TEST_F(FileSelector, DoubleClickOnTheListHandsBackTheChosenFile)
{
    show(sel, 464);
    sel.double_click_handler(kRowX, row_y(3));  // the list has no focus yet
    EXPECT_EQ(result.ok_calls, 0);
    click(sel, kRowX, row_y(3));
    sel.double_click_handler(kRowX, row_y(3));
    EXPECT_EQ(result.ok_calls, 1);
    EXPECT_EQ(result.path, (root_ / "track 9.wav").string());
}

TEST_F(FileSelector, TypedNameEntryFollowsClicksAndKeys)
{
    CFileEntrySelector entry_sel{&engine, &font};
    show(entry_sel, 464);
    EXPECT_EQ(std::string(entry_sel.entry().get_focus() ? "focus" : ""), "focus");
    click(entry_sel, kRowX, row_y(4));
    CFileEntrySelector& s = entry_sel;
    EXPECT_STREQ(const_cast<CTextEntry&>(s.entry()).get_text_string(), (root_ / "track10.wav").c_str());
    s.key_press_handler("", kBackSpace);
    s.key_press_handler("\t", 0xff09);
    s.key_press_handler("x", 'x');
    EXPECT_STREQ(const_cast<CTextEntry&>(s.entry()).get_text_string(), (root_ / "track10.wax").c_str());
    EXPECT_EQ(result.ok_calls, 0);
    s.key_press_handler("\r", kReturn);
    EXPECT_EQ(result.ok_calls, 1);
    EXPECT_EQ(result.path, (root_ / "track10.wax").string());
}

}  // namespace
