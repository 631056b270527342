#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "afx/afx_engine.h"
#include "afx/core/afx_font_engine.h"
#include "dir_listing.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> shown_names(const CDirListing& l)
{
    std::vector<std::string> out;
    for (int i = 0; i < CDirListing::kMaxEntries && l.entry(i).name; ++i)
        if (!l.entry(i).hidden)
            out.push_back(l.entry(i).name);
    return out;
}

class DirListingTest : public ::testing::Test {
protected:
    void touch(const std::string& name) { std::ofstream(dir / name) << "x"; }
    test_support::TempDir dir;
    AFX_engine engine;
    AFX_font_engine font{&engine};
    CDirListing listing;
};

TEST_F(DirListingTest, DirectoriesFirstThenNaturalOrderWithoutDotNames)
{
    for (const char* n : {"b10", "B2", "a", ".hidden", "track9", "track10"})
        touch(n);
    fs::create_directory(dir / "zdir");
    fs::create_directory(dir / "dir10");
    fs::create_directory(dir / "dir9");
    fs::create_directory(dir / ".config");
    fs::create_symlink(dir / "gone", dir / "dangling");
    ASSERT_TRUE(listing.read(dir.path().c_str()));
    listing.sort();
    listing.layout(font);
    EXPECT_EQ(shown_names(listing), (std::vector<std::string>{".", "..", "dir9", "dir10", "zdir", "B2", "a",
                                                              "b10", "dangling", "track9", "track10"}));
    EXPECT_EQ(listing.shown_count(), 11);
    EXPECT_EQ(listing.list_height(268), 268);
    // Rows of 16 pixels from baseline 16; a hit anywhere left of the name's end.
    const int i = listing.entry_at(5, 16 * 3 - 4);
    ASSERT_GE(i, 0);
    EXPECT_STREQ(listing.entry(i).name, "dir9");
    EXPECT_EQ(listing.entry_at(600, 16 * 3 - 4), -1);
    EXPECT_EQ(listing.entry_at(5, 16 * 12 - 4), -1);
    EXPECT_FALSE(listing.read((dir / "missing").c_str()));
    EXPECT_EQ(listing.shown_count(), 0);
}

TEST_F(DirListingTest, LongAndStrangeNamesStayInsideTheListBuffer)
{
    touch(std::string(250, 'W'));
    touch("tab\there\x1b[2J");
    fs::create_directory(dir / std::string(200, 'M'));
    ASSERT_TRUE(listing.read(dir.path().c_str()));
    listing.sort();
    listing.layout(font);

    // The list buffer as a view inside a larger one filled with a marker.
    const int W = 1000, H = 600, ox = 100, oy = 100;
    afx_pixbuf* outer = AFX_drawing::afx_pixbuf_new_with_allocation(W, H, 0);
    AFX_drawing::afxline_block_fill_to_pixbuf(outer, 0, 0, W, H, 7, 7, 7);
    afx_pixbuf view = *outer;
    view.width = CDirListing::kListWidth;
    view.height = 40;  // shorter than the list: the last rows are cut
    view.pixels = afx_pixel_at(outer, ox, oy);
    listing.render(&view, font);
    int lit_inside = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool inside = x >= ox && x < ox + view.width && y >= oy && y < oy + view.height;
            const uint8_t r = afx_pixel_at(outer, x, y)[0];
            if (!inside)
                ASSERT_EQ(r, 7) << x << "," << y;
            else
                lit_inside += r > 7;
        }
    EXPECT_GT(lit_inside, 0);
    AFX_drawing::afx_pixbuf_destroy_with_allocation(outer);
}

}  // namespace
