#include "text_sheet.h"

#include "engine/window_port.h"
#include "report/construction_lines.h"

#include <ostream>
#include <string_view>

namespace coilwise {

namespace {

class SheetWriter {
public:
    SheetWriter(std::ostream& out, const DesignRun& run) : out_(out), run_(run) {}

    void write() {
        heading("Inputs");
        line("Primary voltage", run_.text(Field::labvpri), "V");
        line("Frequency", std::to_string(run_.record().frec), "Hz");
        line("Service", run_.record().tiposervicio, "");
        heading("Core");
        value("Lamination", Field::labchapa, "mm");
        value("Stack", Field::labprof, "mm");
        heading("Primary winding");
        value("Turns", Field::labnpri, "turns");
        value("Wire", Field::labalambpri, "mm");
        value("Weight", Field::labpesoprim, "g");
        value("Resistance", Field::labrprim, "ohm");
        for (int row = 1; row <= run_.record().q; ++row) {
            secondary(row);
        }
        heading("Weights");
        value("E laminations", Field::labpesoE, "g");
        value("I laminations", Field::labpesoI, "g");
        value("Copper", Field::labpesocu, "g");
        value("Total", Field::labpesotot, "g");
        heading("Powers");
        value("Load", Field::labptot, "W");
        value("Input", Field::labppri, "W");
        value("Iron loss", Field::labperfe, "W");
        value("Copper loss", Field::labpercu, "W");
        value("Efficiency", Field::labrend, "%");
        heading("Costs");
        value("Iron", Field::tbxcostofe, "");
        value("Copper", Field::tbxcostocu, "");
        value("Total", Field::tbxcostotot, "");
    }

private:
    void secondary(int row) {
        heading("Secondary " + std::to_string(row));
        value("Voltage", Field::labvsec, "V", row);
        value("Current", Field::labisec, "A", row);
        value("No-load voltage", Field::vacvsec, "V", row);
        value("Turns", Field::labesp, "turns", row);
        value("Wire", Field::labalam, "mm", row);
        value("Weight", Field::labcob, "g", row);
        value("Resistance", Field::labres, "ohm", row);
    }

    void heading(const std::string& title) { out_ << title << '\n'; }

    void value(std::string_view label, Field field, std::string_view unit, int row = 0) {
        line(label, run_.text(field, row), unit);
    }

    void line(std::string_view label, const std::string& text, std::string_view unit) {
        constexpr std::size_t labelWidth = 18;
        out_ << "  " << label << std::string(labelWidth - label.size(), ' ') << text;
        if (!unit.empty()) {
            out_ << ' ' << unit;
        }
        out_ << '\n';
    }

    std::ostream& out_;
    const DesignRun& run_;
};

void writeRefusal(std::ostream& out, const DesignRun& run) {
    if (run.outcome() == Outcome::cannotCalculate) {
        out << "Cannot calculate\n";
    } else {
        // An input error leaves the focus on the field at fault.
        out << "Input error";
        if (const std::optional<FieldRef> focus = run.window().focus()) {
            out << " in " << fieldRefName(*focus);
        }
        out << '\n';
    }
    for (const std::string& message : run.window().messages()) {
        out << message << '\n';
    }
}

// The construction sheet follows the results, after a blank line.
void writeConstruction(std::ostream& out, const DesignRun& run) {
    const Design* design = run.design();
    if (design == nullptr) {
        return;
    }
    out << '\n';
    for (const SheetLine& line : constructionLines(design->sheet, design->checks, run.locale())) {
        out << line.text << '\n';
    }
}

} // namespace

void writeTextSheet(std::ostream& out, const DesignRun& run) {
    switch (run.outcome()) {
    case Outcome::ok:
        SheetWriter(out, run).write();
        writeConstruction(out, run);
        return;
    case Outcome::cleared:
        out << "No secondary in use: nothing to calculate.\n";
        return;
    case Outcome::inputError:
    case Outcome::cannotCalculate:
        writeRefusal(out, run);
        return;
    }
}

} // namespace coilwise
