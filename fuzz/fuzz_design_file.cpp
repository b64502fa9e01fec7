#include "files/design_format.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Accepts whatever the reader hands over, as the window would, and checks the row indexes.
class CheckingSink final : public coilwise::DesignFileSink {
public:
    void beginRecord() override {}
    void setField(coilwise::FieldRef ref, const std::string& text) override {
        if (coilwise::isRowField(ref.field) && (ref.row < 1 || ref.row > coilwise::rowCount)) {
            __builtin_trap();
        }
        (void)text;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckingSink sink;
    coilwise::readDesignFile(bytes, sink);
    return 0;
}
