#include "res/string_table.h"

#include "res/resource.h"

namespace res {
namespace {

constexpr platform::StringResource kStrings[] = {
    {IDS_ABOUTBOX, u"关于vidad(&A)..."},
};

} // namespace

const std::span<const platform::StringResource> kStringTable = kStrings;

} // namespace res
