#include "window_port.h"

#include <algorithm>
#include <array>

namespace coilwise {

namespace {
constexpr std::array<std::string_view, fieldCount> names{
    "labvpri",  "labnpri",  "labalambpri", "labpesoprim", "labrprim",    "labvsec",  "labisec",
    "vacvsec",  "labesp",   "labalam",     "labcob",      "labres",      "labchapa", "labprof",
    "labpesoE", "labpesoI", "labpesocu",   "labpesotot",  "labptot",     "labppri",  "labrend",
    "labperfe", "labpercu", "tbxcostofe",  "tbxcostocu",  "tbxcostotot", "labobs",
};
} // namespace

bool isRowField(Field field) {
    return std::ranges::find(secondaryRowFields, field) != secondaryRowFields.end();
}

std::string_view fieldName(Field field) {
    return names[static_cast<std::size_t>(field)];
}

std::string fieldRefName(FieldRef ref) {
    std::string name(fieldName(ref.field));
    if (isRowField(ref.field)) {
        name += '(' + std::to_string(ref.row) + ')';
    }
    return name;
}

} // namespace coilwise
