#include "gdi/IconFile.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace emu {
namespace {

constexpr std::size_t icon_directory_size = 6;
constexpr std::size_t directory_entry_size = 16;
constexpr std::size_t info_header_size = 40;
constexpr std::uint16_t icon_resource_type = 1;
constexpr std::uint32_t uncompressed = 0;  // BI_RGB
constexpr int largest_side = 256;

// Little-endian reads that refuse any range not wholly inside the bytes.
class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    bool holds(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::optional<std::uint32_t> read(std::size_t offset, std::size_t width) const {
        if (!holds(offset, width)) return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = width; i-- > 0;) value = value << 8 | bytes_[offset + i];
        return value;
    }
    std::span<const unsigned char> slice(std::size_t offset, std::size_t count) const {
        return holds(offset, count) ? bytes_.subspan(offset, count) : std::span<const unsigned char>{};
    }

private:
    std::span<const unsigned char> bytes_;
};

// Where the parts of one image's DIB lie, all checked to be inside it.
struct DibLayout {
    int width;
    int height;
    int bits;
    std::size_t colour_table;  // offset of the RGBQUAD table
    std::size_t colour_count;
    std::size_t pixels;
    std::size_t pixel_stride;
    std::size_t mask;
    std::size_t mask_stride;
};

std::size_t stride_of(int width, int bits) { return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4; }

bool supported_depth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

std::optional<DibLayout> layout_of(const ByteReader& dib) {
    auto header_size = dib.read(0, 4), width = dib.read(4, 4), doubled_height = dib.read(8, 4);
    auto planes = dib.read(12, 2), bits = dib.read(14, 2), compression = dib.read(16, 4);
    auto colours_used = dib.read(32, 4);
    if (!header_size || *header_size < info_header_size || !dib.holds(0, *header_size)) return std::nullopt;
    // Widths and heights are signed; as unsigned, negative ones are out of range too.
    if (*width == 0 || *width > largest_side || *doubled_height % 2 != 0 || *doubled_height == 0 ||
        *doubled_height > 2 * largest_side || *planes != 1 || !supported_depth(static_cast<int>(*bits)) ||
        *compression != uncompressed)
        return std::nullopt;
    DibLayout layout{static_cast<int>(*width), static_cast<int>(*doubled_height / 2), static_cast<int>(*bits)};
    if (layout.bits <= 8) {
        std::size_t full_table = std::size_t{1} << layout.bits;
        if (*colours_used > full_table) return std::nullopt;
        layout.colour_count = *colours_used ? *colours_used : full_table;
    }
    layout.colour_table = *header_size;
    layout.pixels = layout.colour_table + 4 * layout.colour_count;
    layout.pixel_stride = stride_of(layout.width, layout.bits);
    layout.mask = layout.pixels + layout.pixel_stride * layout.height;
    layout.mask_stride = stride_of(layout.width, 1);
    if (!dib.holds(layout.mask, layout.mask_stride * layout.height)) return std::nullopt;
    return layout;
}

std::uint32_t argb_of(std::uint32_t alpha, const unsigned char* bgr) {
    return alpha << 24 | std::uint32_t{bgr[2]} << 16 | std::uint32_t{bgr[1]} << 8 | bgr[0];
}

// The pixel's colour with full alpha, or its 32-bit value with its own alpha.
std::uint32_t stored_pixel(std::span<const unsigned char> dib, const DibLayout& layout, int x, int row) {
    const unsigned char* line = dib.data() + layout.pixels + layout.pixel_stride * row;
    if (layout.bits == 32) return argb_of(line[4 * x + 3], line + 4 * x);
    if (layout.bits == 24) return argb_of(0xFF, line + 3 * x);
    const int bit = x * layout.bits;
    const int per_byte_mask = (1 << layout.bits) - 1;
    const std::size_t index = (line[bit / 8] >> (8 - layout.bits - bit % 8)) & per_byte_mask;
    // An index past a short colour table would read beyond it; such pixels are black.
    if (index >= layout.colour_count) return 0xFF000000;
    return argb_of(0xFF, dib.data() + layout.colour_table + 4 * index);
}

bool masked_out(std::span<const unsigned char> dib, const DibLayout& layout, int x, int row) {
    return dib[layout.mask + layout.mask_stride * row + x / 8] & (0x80 >> x % 8);
}

bool uses_alpha_channel(const DibLayout& layout, const std::vector<std::uint32_t>& argb) {
    return layout.bits == 32 && std::any_of(argb.begin(), argb.end(), [](std::uint32_t pixel) { return pixel >> 24; });
}

IconImage decode_dib(std::span<const unsigned char> dib, const DibLayout& layout) {
    IconImage image{layout.width, layout.height, {}};
    image.argb.resize(static_cast<std::size_t>(layout.width) * layout.height);
    // The DIB's rows are stored bottom-up.
    auto for_each_pixel = [&](auto&& visit) {
        for (int y = 0; y < layout.height; ++y)
            for (int x = 0; x < layout.width; ++x)
                visit(image.argb[static_cast<std::size_t>(y) * layout.width + x], x, layout.height - 1 - y);
    };
    for_each_pixel([&](std::uint32_t& pixel, int x, int row) { pixel = stored_pixel(dib, layout, x, row); });
    if (uses_alpha_channel(layout, image.argb)) return image;
    for_each_pixel([&](std::uint32_t& pixel, int x, int row) {
        pixel = masked_out(dib, layout, x, row) ? 0 : pixel | 0xFF000000;
    });
    return image;
}

std::optional<IconImage> decode_entry(const ByteReader& file, std::size_t entry) {
    auto dib = file.slice(file.read(entry + 12, 4).value_or(0), file.read(entry + 8, 4).value_or(0));
    // A PNG-compressed image is refused here too: its signature, read as a DIB header's
    // size, is far larger than any image.
    auto layout = layout_of(ByteReader(dib));
    if (!layout) return std::nullopt;
    return decode_dib(dib, *layout);
}

}  // namespace

std::vector<IconImage> decode_icon_file(std::span<const unsigned char> bytes) {
    ByteReader file(bytes);
    auto reserved = file.read(0, 2), type = file.read(2, 2), count = file.read(4, 2);
    if (!reserved || *reserved != 0 || *type != icon_resource_type) return {};
    if (!file.holds(icon_directory_size, directory_entry_size * *count)) return {};
    std::vector<IconImage> images;
    for (std::size_t i = 0; i < *count; ++i)
        if (auto image = decode_entry(file, icon_directory_size + directory_entry_size * i))
            images.push_back(std::move(*image));
    return images;
}

}  // namespace emu
