#pragma once
#include <cstddef>
#include <map>
#include <memory>

#include "gdi/GdiObject.h"
#include "kernel/HandleTable.h"

namespace emu {

class FontCache;

// Every pen, brush, font and bitmap of the device, the stock objects among them.
class ObjectTable {
public:
    explicit ObjectTable(FontCache& fonts);

    HGDIOBJ add(decltype(GdiObject::value) value);
    GdiObject* get(HGDIOBJ handle) const { return table_.get(handle); }
    std::shared_ptr<GdiObject> shared(HGDIOBJ handle) const { return table_.shared(handle); }

    // The stock object of a GetStockObject index, or null when the device has none such.
    HGDIOBJ stock(int index) const;
    // The 1 x 1 bitmap a new memory DC holds.
    std::shared_ptr<GdiObject> default_bitmap() const { return default_bitmap_; }

    enum class Removal { Deleted, Stock, Selected, Unknown };
    Removal remove(HGDIOBJ handle);

    // Objects alive that are not stock objects.
    std::size_t live() const { return table_.size() - stock_count_; }

private:
    HGDIOBJ add_stock(decltype(GdiObject::value) value);

    HandleTable<GdiObject> table_{kGdiObjectTag};
    std::map<int, HGDIOBJ> stock_;
    std::shared_ptr<GdiObject> default_bitmap_;
    std::size_t stock_count_ = 0;
};

// The LOGFONT of the stock SYSTEM_FONT.
LOGFONTW system_logfont();

}  // namespace emu
