#include "platform/resources.h"

namespace platform {
namespace {

std::span<const StringResource>& Table() {
    static std::span<const StringResource> table;
    return table;
}

} // namespace

void SetStringTable(std::span<const StringResource> table) {
    Table() = table;
}

std::u16string LoadString(int id) {
    for (const StringResource& entry : Table()) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

} // namespace platform
