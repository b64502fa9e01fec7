#include "clear_fields.h"

#include <vector>

namespace coilwise {

std::span<const FieldRef> clearedFields() {
    static const std::vector<FieldRef> fields = [] {
        std::vector<FieldRef> list{
            {Field::labnpri}, {Field::labalambpri}, {Field::labpesoprim}, {Field::labrprim}};
        for (int row = 1; row <= rowCount; ++row) {
            for (Field f : secondaryRowFields) {
                list.push_back({f, row});
            }
        }
        for (Field f :
             {Field::labchapa, Field::labprof, Field::labpesoE, Field::labpesoI, Field::labpesocu,
              Field::labpesotot, Field::labptot, Field::labppri, Field::labrend, Field::labperfe,
              Field::labpercu, Field::tbxcostofe, Field::tbxcostocu, Field::tbxcostotot, Field::labobs}) {
            list.push_back({f});
        }
        return list;
    }();
    return fields;
}

void clearDesign(DesignRecord& record, WindowPort& window) {
    for (const FieldRef& ref : clearedFields()) {
        window.setText(ref, {});
    }
    if (record.carga && !record.recalcularcosto) {
        window.setFocus({Field::labvsec, 1});
    }
    record.archivomodif = false;
}

} // namespace coilwise
