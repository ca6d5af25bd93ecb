#include "gdi/IconFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "resources/Resources.h"

namespace {

using Bytes = std::vector<unsigned char>;

void put(Bytes& bytes, std::uint32_t value, int byte_count) {
    for (int i = 0; i < byte_count; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

std::uint32_t read_u32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

// A DIB as an icon stores it: header, colour table, bottom-up rows, AND mask.
struct Dib {
    int width = 1, height = 1, bits = 32;
    std::vector<std::uint32_t> colour_table;  // 0x00RRGGBB
    Bytes rows;                               // padded rows, bottom row first
    Bytes mask;                               // padded mask rows, bottom row first; zeros if empty

    Bytes bytes() const {
        Bytes out;
        put(out, 40, 4), put(out, width, 4), put(out, 2 * height, 4), put(out, 1, 2), put(out, bits, 2);
        for (int unused_field = 0; unused_field < 4; ++unused_field) put(out, 0, 4);
        put(out, colour_table.size(), 4), put(out, 0, 4);
        for (auto colour : colour_table) put(out, colour, 4);
        out.insert(out.end(), rows.begin(), rows.end());
        Bytes full_mask = mask.empty() ? Bytes(4 * height, 0) : mask;
        out.insert(out.end(), full_mask.begin(), full_mask.end());
        return out;
    }
};

Bytes icon_file(const std::vector<Bytes>& images) {
    Bytes out;
    put(out, 0, 2), put(out, 1, 2), put(out, images.size(), 2);
    std::uint32_t offset = 6 + 16 * images.size();
    for (const auto& image : images) {
        put(out, 0, 4), put(out, 0x00200001, 4), put(out, image.size(), 4), put(out, offset, 4);
        offset += image.size();
    }
    for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

// A 2 x 2 32-bit image: top row red (opaque), green (half); bottom row blue (clear), white.
Dib two_by_two(unsigned char alpha_scale) {
    Dib dib{2, 2, 32};
    dib.rows = {0xFF, 0, 0, 0,    0xFF, 0xFF, 0xFF, 0xFF,   // bottom: blue, white (BGRA)
                0, 0, 0xFF, 0xFF, 0, 0xFF, 0, 0x80};       // top: red, green
    for (std::size_t i = 3; i < dib.rows.size(); i += 4) dib.rows[i] = dib.rows[i] * alpha_scale;
    dib.mask = {0x80, 0, 0, 0, 0x40, 0, 0, 0};  // bottom-left and top-right masked out
    return dib;
}

std::vector<emu::IconImage> decode(const Bytes& bytes) { return emu::decode_icon_file(bytes); }

TEST(IconFile, EachDepthDecodesTopRowFirstWithAlphaOrMaskAndPalette) {
    // One row of three pixels with colour indices 1, 0, 1; the middle one masked out.
    auto paletted = [](int bits, Bytes row) {
        return Dib{3, 1, bits, {0x000000, 0x123456}, std::move(row), {0x40, 0, 0, 0}}.bytes();
    };
    const Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 0};
    const struct {
        const char* what;
        Bytes file;
        std::vector<std::uint32_t> argb;
    } cases[] = {
        {"32 bits keep their alpha", icon_file({two_by_two(1).bytes()}), {0xFFFF0000, 0x8000FF00, 0x000000FF, 0xFFFFFFFF}},
        {"32 bits without alpha take the mask", icon_file({two_by_two(0).bytes()}), {0xFFFF0000, 0, 0, 0xFFFFFFFF}},
        {"24 bits take the mask", icon_file({Dib{2, 1, 24, {}, {0x56, 0x34, 0x12, 0x56, 0x34, 0x12, 0, 0}, {0x40, 0, 0, 0}}.bytes()}),
         {0xFF123456, 0}},
        {"1 bit", icon_file({paletted(1, {0xA0, 0, 0, 0})}), {0xFF123456, 0, 0xFF123456}},
        {"4 bits", icon_file({paletted(4, {0x10, 0x10, 0, 0})}), {0xFF123456, 0, 0xFF123456}},
        {"8 bits", icon_file({paletted(8, {1, 0, 1, 0})}), {0xFF123456, 0, 0xFF123456}},
        // Index 1 of a one-colour table would read the pixel row that follows it.
        {"an index past a short table is black", icon_file({Dib{1, 1, 8, {0xFFFFFF}, {1, 0xFF, 0xFF, 0xFF}}.bytes()}),
         {0xFF000000}},
        {"a PNG entry is skipped", icon_file({png, two_by_two(1).bytes()}), {0xFFFF0000, 0x8000FF00, 0x000000FF, 0xFFFFFFFF}},
    };
    for (const auto& c : cases) {
        auto images = decode(c.file);
        ASSERT_EQ(images.size(), 1u) << c.what;
        EXPECT_EQ(images[0].width * images[0].height, static_cast<int>(c.argb.size())) << c.what;
        EXPECT_EQ(images[0].argb, c.argb) << c.what;
    }
}

TEST(IconFile, MalformedDescriptionsGiveNoImage) {
    const Bytes valid = icon_file({two_by_two(1).bytes()});
    ASSERT_EQ(decode(valid).size(), 1u);
    struct Field {
        std::size_t offset;
        int width;
        std::uint32_t value;
    };
    const std::size_t header = 22;
    const Field faults[] = {
        {0, 2, 1},                      // reserved word
        {2, 2, 2},                      // a cursor, not an icon
        {4, 2, 9},                      // more entries than the directory holds
        {18, 4, 0xFFFFFFF0},            // image offset past the end, and wrapping with its size
        {14, 4, 0x7FFFFFFF},            // image size past the end
        {14, 4, 40 + 16},               // image size without room for the mask
        {14, 4, 40 + 16 + 4},           // image size without room for the mask's last row
        {header, 4, 12},                // too short a header
        {header, 4, 0x10000},           // header longer than the image
        {header + 4, 4, 0},             // no width
        {header + 4, 4, 257},           // too wide
        {header + 4, 4, 0xFFFFFFFE},    // negative width
        {header + 8, 4, 3},             // odd doubled height
        {header + 8, 4, 0xFFFFFFFC},    // top-down rows
        {header + 12, 2, 2},            // two planes
        {header + 14, 2, 16},           // unsupported depth
        {header + 16, 4, 3},            // compressed (bit fields)
    };
    for (const auto& fault : faults) {
        Bytes bytes = valid;
        for (int i = 0; i < fault.width; ++i) bytes[fault.offset + i] = static_cast<unsigned char>(fault.value >> 8 * i);
        EXPECT_TRUE(decode(bytes).empty()) << "field at " << fault.offset << " = " << fault.value;
    }
    for (const Dib& refused : {Dib{1, 1, 4, std::vector<std::uint32_t>(17), {0, 0, 0, 0}},  // too many colours
                               Dib{257, 1, 1, {0, 0}, Bytes(36), Bytes(36)}})                // too wide, yet whole
        EXPECT_TRUE(decode(icon_file({refused.bytes()})).empty());
}

TEST(IconFile, TruncatedFileGivesOnlyTheImagesThatAreWhole) {
    const auto& blob = *std::find_if(tesselink_resources().begin(), tesselink_resources().end(),
                                     [](const auto& b) { return b.id == 101; });
    const Bytes file(blob.data, blob.data + blob.size);
    const std::size_t first_end = read_u32(file, 18) + read_u32(file, 14);
    for (std::size_t length = 0; length < file.size(); ++length) {
        auto images = decode(Bytes(file.begin(), file.begin() + length));
        ASSERT_EQ(images.size(), length < first_end ? 0u : 1u) << length;
    }
}

TEST(IconFile, CorruptedBytesNeverGiveAnInconsistentImage) {
    const Bytes valid = icon_file({Dib{3, 2, 4, std::vector<std::uint32_t>(16, 0x808080), Bytes(8, 0x5A)}.bytes(),
                                   two_by_two(1).bytes()});
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes = valid;
        for (int flips = 0; flips < 4; ++flips) bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
        for (const auto& image : decode(bytes)) {
            ASSERT_TRUE(image.width >= 1 && image.width <= 256 && image.height >= 1 && image.height <= 256);
            ASSERT_EQ(image.argb.size(), static_cast<std::size_t>(image.width * image.height));
        }
    }
}

}  // namespace
