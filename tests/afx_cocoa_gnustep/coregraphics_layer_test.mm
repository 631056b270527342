#include <CoreGraphics/CoreGraphics.h>

#include "cg_gnustep_types.h"
#include "quartz_view_context.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(CoreGraphicsLayer, ImageOfABitmapContextIsThatMemory)
{
    // A 3 x 2 window into a 5-pixel-wide buffer, as the backend wraps a
    // source rectangle of its pixmap.
    std::vector<uint8_t> memory(5 * 4 * 4, 0);
    uint8_t* origin = memory.data() + 1 * 20 + 1 * 4;
    CGColorSpaceRef space = CGColorSpaceCreateWithName(kCGColorSpaceGenericRGB);
    CGContextRef bitmap = CGBitmapContextCreate(origin, 3, 2, 8, 20, space, kCGImageAlphaPremultipliedLast);
    ASSERT_NE(bitmap, nullptr);
    CGImageRef image = CGBitmapContextCreateImage(bitmap);
    ASSERT_NE(image, nullptr);
    NSBitmapImageRep* rep = image->rep;
    EXPECT_EQ([rep bitmapData], origin);
    EXPECT_EQ([rep pixelsWide], 3);
    EXPECT_EQ([rep pixelsHigh], 2);
    EXPECT_EQ([rep bytesPerRow], 20);
    EXPECT_TRUE([rep hasAlpha]);
    // Written after the image was made, seen through it: nothing was copied.
    origin[20 + 8] = 201, origin[20 + 11] = 255;
    NSUInteger px[4] = {};
    [rep getPixel:px atX:2 y:1];
    EXPECT_EQ(px[0], 201u);
    EXPECT_EQ(px[3], 255u);
    CGImageRelease(image);
    CGContextRelease(bitmap);
    CGColorSpaceRelease(space);
}

TEST(CoreGraphicsLayer, BitmapContextsOtherThanRgba8AreRefused)
{
    uint8_t memory[64] = {};
    CGColorSpaceRef space = CGColorSpaceCreateWithName(kCGColorSpaceGenericRGB);
    const struct {
        void* data;
        size_t bits, row;
        CGBitmapInfo info;
    } cases[] = {{nullptr, 8, 8, kCGImageAlphaPremultipliedLast},
                 {memory, 16, 8, kCGImageAlphaPremultipliedLast},
                 {memory, 8, 7, kCGImageAlphaPremultipliedLast},
                 {memory, 8, 8, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(CGBitmapContextCreate(c.data, 2, 2, c.bits, c.row, space, c.info), nullptr);
    CGColorSpaceRelease(space);
    // Image and drawing calls take a missing context quietly.
    EXPECT_EQ(CGBitmapContextCreateImage(nullptr), nullptr);
    CGContextSaveGState(nullptr);
    CGContextTranslateCTM(nullptr, 1, 2);
    CGContextRestoreGState(nullptr);
}

TEST(CoreGraphicsLayer, NoViewContextOutsideDrawing)
{
    EXPECT_EQ(vlt_quartz_context_for_current_view(), nullptr);
}
