// The folder selector without a display: its layout in the backing buffer,
// the list, and what presses, releases and double clicks do.
#include "load_folder_selector.h"
#include "selector_fixture.h"

namespace {

using namespace selector_test;

class FolderSelector : public SelectorFixture {
protected:
    CLoadFolderSelector sel{&engine, &font};
};

struct rgb {
    int r, g, b;
    bool operator==(const rgb&) const = default;
};
rgb at(const afx_pixbuf* b, int x, int y)
{
    const uint8_t* p = afx_pixel_at(b, x, y);
    return {p[0], p[1], p[2]};
}
std::ostream& operator<<(std::ostream& o, const rgb& c) { return o << c.r << "," << c.g << "," << c.b; }

TEST_F(FolderSelector, LayoutOfTheBackingBuffer)
{
    const char* title = "Select your VST plugins folder";
    sel.set_title(title);
    show(sel, 432);
    const afx_pixbuf* b = buffer.get();
    const int tw = font.get_string_length_in_pxls(title), th = font.get_string_height_in_pxls(title);
    const int c = (580 - tw) / 2;
    // Lines at alpha 255 blend to 255/256 of their colour over black.
    const auto line = [](int r, int g, int b, int under = 0) {
        return rgb{afx_blend_channel(under, r, 255), afx_blend_channel(under, g, 255),
                   afx_blend_channel(under, b, 255)};
    };
    // The marker lies on the title box.
    const rgb frame = line(128, 128, 128), marker = line(255, 176, 0, 46), box{46, 46, 46}, black{0, 0, 0};
    const struct {
        int x, y;
        rgb colour;
    } points[] = {
        {c + 16, 24 - (th + 8) / 2, box},  // title box corner
        {c + 16 + tw + 27, 24 - (th + 8) / 2 + th + 7, box},
        {c + 26, 28, marker},  // marker apex
        {c + 19, 21, marker},
        {c + 33, 21, marker},  // its 15-pixel top row
        {c + 25, 28, box},
        {16, 48, frame},
        {624, 64, frame},
        {64, 56, frame},  // path field and separator
        {16, 80, frame},
        {16, 352, frame},
        {300, 352, frame},
        {300, 353, black},
        {608, 200, frame},
        {624, 200, frame},  // scroller sides
        {16, 368, frame},
        {80, 384, frame},
        {96, 368, frame},
        {160, 384, frame},  // buttons
        {90, 376, black},
        {200, 400, black},
    };
    for (const auto& p : points)
        EXPECT_EQ(at(b, p.x, p.y), p.colour) << p.x << "," << p.y;
    // A handle as long as the trough: rows 97 .. 335 of columns 610 .. 622.
    EXPECT_NE(at(b, 615, 200), black);
    // The label in its orange left of the separator.
    bool label = false;
    for (int x = 19; x < 64; ++x)
        for (int y = 50; y <= 61; ++y)
            label |= at(b, x, y).r > 100 && at(b, x, y).b < 60;
    EXPECT_TRUE(label);
}

// The drawing primitives do not clip: a title wider than the window must
// still keep every pixel inside the backing buffer.
TEST_F(FolderSelector, AnOverlongTitleStaysInsideTheBuffer)
{
    sel.set_title(std::string(300, 'W').c_str());
    const int W = 800, H = 500, ox = 80, oy = 30;
    pixbuf_ptr outer(AFX_drawing::afx_pixbuf_new_with_allocation(W, H, 0));
    AFX_drawing::afxline_block_fill_to_pixbuf(outer.get(), 0, 0, W, H, 7, 7, 7);
    afx_pixbuf view = *outer;
    view.width = CSelectorWindow::kWindowWidth;
    view.height = 432;
    view.pixels = afx_pixel_at(outer.get(), ox, oy);
    sel.draw_file_selector(&view);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool inside = x >= ox && x < ox + view.width && y >= oy && y < oy + view.height;
            if (!inside) {
                ASSERT_EQ(afx_pixel_at(outer.get(), x, y)[0], 7) << x << "," << y;
            }
        }
}

int first_lit(const afx_pixbuf* b, int x0, int x1)
{
    for (int x = x0; x <= x1; ++x)
        for (int y = 49; y < 64; ++y)
            if (afx_pixel_at(b, x, y)[0] > 40)
                return x;
    return -1;
}
int last_lit(const afx_pixbuf* b, int x0, int x1)
{
    for (int x = x1; x >= x0; --x)
        for (int y = 49; y < 64; ++y)
            if (afx_pixel_at(b, x, y)[0] > 40)
                return x;
    return -1;
}

TEST_F(FolderSelector, PathFieldShowsTheEndOfALongPath)
{
    show(sel, 432);
    const afx_pixbuf* b = buffer.get();
    sel.draw_path_onto_text_entry("/tmp");
    EXPECT_EQ(first_lit(b, 65, 623), 67);

    // However long, only the field changes and the path's end is what shows.
    const pixbuf_ptr before(AFX_drawing::afx_pixbuf_new_with_allocation(640, 432, 0));
    std::copy(b->pixels, b->pixels + b->rowstride * b->height, before->pixels);
    sel.draw_path_onto_text_entry((std::string(3000, 'W') + "/end Zq").c_str());
    std::vector<uint8_t> field_long;
    for (int y = 48; y <= 64; ++y)
        for (int x = 0; x < 640; ++x)
            field_long.push_back(afx_pixel_at(b, x, y)[0]);
    for (int y = 0; y < 432; ++y)
        for (int x = 0; x < 640; ++x)
            if (y < 49 || y > 63 || x < 65 || x > 623) {
                ASSERT_EQ(afx_pixel_at(b, x, y)[0], afx_pixel_at(before.get(), x, y)[0]) << x << "," << y;
            }
    EXPECT_GE(last_lit(b, 65, 623), 615);
    EXPECT_EQ(first_lit(b, 65, 623), 65);

    sel.draw_path_onto_text_entry((std::string(200, 'W') + "/end Zq").c_str());
    std::vector<uint8_t> field_short;
    for (int y = 48; y <= 64; ++y)
        for (int x = 0; x < 640; ++x)
            field_short.push_back(afx_pixel_at(b, x, y)[0]);
    EXPECT_EQ(field_long, field_short);
}

TEST_F(FolderSelector, ListsDirectoriesFirstInNaturalOrderWithoutDotNames)
{
    for (const char* n : {"b10", "B2", "a", ".hidden", "with space", "$(touch X)", "a;b"})
        touch(n);
    fs::create_directory("zdir");
    show(sel, 432);
    EXPECT_EQ(shown_names(sel), (std::vector<std::string>{".", "..", "zdir", "$(touch X)", "B2", "a", "a;b",
                                                          "b10", "with space"}));
}

TEST_F(FolderSelector, ClickingDirectoriesWalksTheTree)
{
    fs::create_directories("My Plugins/vst; echo hi");
    touch("file");
    show(sel, 432);
    ASSERT_EQ(shown_names(sel), (std::vector<std::string>{".", "..", "My Plugins", "file"}));

    click(sel, kRowX, row_y(3));  // a file: nothing
    EXPECT_EQ(fs::current_path(), root_);
    click(sel, kRowX, row_y(7));  // below the names: nothing
    EXPECT_EQ(fs::current_path(), root_);
    click(sel, 600, row_y(2));  // right of the name's end: no name
    EXPECT_EQ(fs::current_path(), root_);

    click(sel, 20, row_y(2));  // over the directory marker
    EXPECT_EQ(fs::current_path(), root_ / "My Plugins");
    EXPECT_EQ(shown_names(sel), (std::vector<std::string>{".", "..", "vst; echo hi"}));
    click(sel, kRowX, row_y(2));
    EXPECT_EQ(fs::current_path(), root_ / "My Plugins" / "vst; echo hi");
    click(sel, kRowX, row_y(1));  // ..
    click(sel, kRowX, row_y(1));
    EXPECT_EQ(fs::current_path(), root_);
    click(sel, kRowX, row_y(0));  // . lists the same folder again
    EXPECT_EQ(fs::current_path(), root_);
    EXPECT_EQ(result.ok_calls + result.cancel_calls, 0);
    EXPECT_EQ(sel.scroller().drawn_handle_top(), sel.scroller().trough_top());
}

TEST_F(FolderSelector, OkHandsBackTheCurrentFolderAndCancelNothing)
{
    fs::create_directory("sub dir");
    show(sel, 432);
    click(sel, 40, 376);  // OK right after opening
    EXPECT_EQ(result.ok_calls, 1);
    EXPECT_EQ(result.path, root_.string());
    EXPECT_EQ(result.user, &result);

    click(sel, kRowX, row_y(2));
    // Pressed on OK, released elsewhere: still OK.
    sel.button_press_handler(20, 370, 0);
    sel.button_release_handler(500, 10, 0);
    EXPECT_EQ(result.ok_calls, 2);
    EXPECT_EQ(result.path, (root_ / "sub dir").string());

    click(sel, 120, 376);
    EXPECT_EQ(result.cancel_calls, 1);
    EXPECT_TRUE(result.ok_path_null);

    // A release with no button pressed, and other buttons, do nothing.
    sel.button_press_handler(40, 376, 2);
    sel.button_release_handler(40, 376, 2);
    click(sel, 300, 20);
    EXPECT_EQ(result.ok_calls, 2);
    EXPECT_EQ(result.cancel_calls, 1);
}

TEST_F(FolderSelector, OkFromAFolderThatWasRemovedGivesTheFolderListedLast)
{
    fs::create_directory("gone");
    show(sel, 432);
    click(sel, kRowX, row_y(2));
    fs::remove(root_ / "gone");
    click(sel, 40, 376);
    EXPECT_EQ(result.ok_calls, 1);
    EXPECT_EQ(result.path, (root_ / "gone").string());
}

TEST_F(FolderSelector, TheLastRegistrationDecidesTheUserPointer)
{
    outcome other;
    show(sel, 432);
    sel.register_ok_callback(outcome::on_ok, &other);
    sel.register_cancel_callback(outcome::on_cancel, &result);
    click(sel, 40, 376);
    EXPECT_EQ(result.ok_calls, 1);
    EXPECT_EQ(other.ok_calls, 0);
}

TEST_F(FolderSelector, DoubleClickOnTheListChoosesNothing)
{
    fs::create_directory("d");
    show(sel, 432);
    click(sel, kRowX, row_y(0));
    sel.double_click_handler(kRowX, row_y(0));
    EXPECT_EQ(result.ok_calls + result.cancel_calls, 0);
    EXPECT_FALSE(sel.get_file_selector_open());
    EXPECT_FALSE(sel.open_file_selector_window());  // no display
}

}  // namespace
