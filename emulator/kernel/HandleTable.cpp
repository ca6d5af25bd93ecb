#include "kernel/HandleTable.h"

#include <atomic>

namespace emu {

std::uint64_t next_handle_serial() {
    static std::atomic<std::uint64_t> serial{1};
    return serial.fetch_add(1);
}

}  // namespace emu
