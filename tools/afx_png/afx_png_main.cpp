// Writes toolkit pictures to PNG so they can be looked at:
//   afx_png panel SCALE OUT.png           the whole editor at a UI scale
//   afx_png image NAME OUT.png            one embedded artwork image
//   afx_png frame NAME HEIGHT K OUT.png   frame K of a strip of HEIGHT-row frames
//   afx_png list                          the artwork names
#include "afx_artwork.h"
#include "afx_installer_artwork.h"
#include "afx_scaled_blit.h"
#include "panel_preview.h"
#include "png_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using D = AFX_drawing;

const uint8_t* find_image(const char* name)
{
    for (int i = 0; i < afx_art_editor_image_count; ++i)
        if (std::strcmp(afx_art_editor_images[i].name, name) == 0)
            return afx_art_editor_images[i].stream;
    for (int i = 0; i < afx_art_installer_image_count; ++i)
        if (std::strcmp(afx_art_installer_images[i].name, name) == 0)
            return afx_art_installer_images[i].stream;
    return nullptr;
}

int usage()
{
    std::fprintf(stderr, "usage: afx_png panel SCALE OUT.png | image NAME OUT.png |"
                         " frame NAME HEIGHT K OUT.png | list\n");
    return 2;
}

int write_panel(float scale, const char* out)
{
    if (!(scale >= 1.0f && scale <= 8.0f))
        return usage();
    afx_pixbuf* content = afx_preview_panel("VLT650  V2.3.3", 45.0f);
    AFXRgbaSink sink;
    sink.image_width = int(std::lround(144 * scale));
    sink.image_height = int(std::lround(510 * scale));
    sink.rowstride = sink.image_width * 4;
    std::vector<uint8_t> pixels(size_t(sink.rowstride) * sink.image_height, 0);
    sink.pixels = pixels.data();
    afx_catrom_blit(*content, sink, {0, 0, sink.image_width, sink.image_height, 0, 0, scale});
    D::afx_pixbuf_destroy_with_allocation(content);
    return afx_write_png(out, sink.image_width, sink.image_height, pixels.data(), sink.rowstride) ? 0 : 1;
}

int write_image(const char* name, int frame_height, int frame, const char* out)
{
    const uint8_t* stream = find_image(name);
    if (!stream) {
        std::fprintf(stderr, "afx_png: no image named %s\n", name);
        return 1;
    }
    afx_pixbuf* img = D::afx_pixbuf_new_from_inline(stream, 0);
    int height = img->height, first_row = 0;
    if (frame_height > 0) {
        height = frame_height;
        first_row = frame * frame_height;
        if (frame < 0 || first_row + frame_height > img->height) {
            std::fprintf(stderr, "afx_png: %s has no frame %d\n", name, frame);
            D::afx_pixbuf_destroy(img);
            return 1;
        }
    }
    const bool ok = afx_write_png(out, img->width, height, img->pixels + size_t(first_row) * img->rowstride,
                                  img->rowstride);
    D::afx_pixbuf_destroy(img);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "list") == 0) {
        for (int i = 0; i < afx_art_editor_image_count; ++i)
            std::printf("%s\n", afx_art_editor_images[i].name);
        for (int i = 0; i < afx_art_installer_image_count; ++i)
            std::printf("%s\n", afx_art_installer_images[i].name);
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "panel") == 0)
        return write_panel(std::strtof(argv[2], nullptr), argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "image") == 0)
        return write_image(argv[2], 0, 0, argv[3]);
    if (argc == 6 && std::strcmp(argv[1], "frame") == 0) {
        const int h = std::atoi(argv[3]);
        return h > 0 ? write_image(argv[2], h, std::atoi(argv[4]), argv[5]) : usage();
    }
    return usage();
}
