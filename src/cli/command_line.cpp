#include "command_line.h"

#include "calc_options.h"
#include "design_file_input.h"
#include "engine/design_run.h"
#include "engine/number_text.h"
#include "engine/price.h"
#include "files/whole_file.h"
#include "qt_locale/qt_locale.h"
#include "report/construction_page.h"
#include "report/design_sheet.h"
#include "report/pages_pdf.h"
#include "results/alternatives_output.h"
#include "results/exit_status.h"
#include "results/jsonl_session.h"
#include "results/result_json.h"
#include "results/text_sheet.h"
#include "version.h"

#include <istream>
#include <ostream>

namespace coilwise {

namespace {

void writeUsage(std::ostream& out) {
    const DesignInput defaults = defaultDesign();
    out << "Usage: coilwise                     the window, untitled design\n";
    out << "       coilwise PATH                the window, opening the design file PATH\n";
    out << "       coilwise --calc [OPTIONS] [--] [FILE.cwf ...]\n";
    out << "                                    calculate without a window, print the results\n";
    out << "       coilwise [--] PATH               the same, for a PATH that begins with a hyphen\n";
    out << "       coilwise --alternatives [OPTIONS] [FILE.cwf] [--json]\n";
    out << "                                    design on every lamination at four stacks, print the table\n";
    out << "       coilwise --pdf OUT.pdf FILE.cwf\n";
    out << "                                    write the design sheet of FILE as a PDF page\n";
    out << "       coilwise --help | --version\n\n";
    out << "Options of --calc:\n";
    out << "  --primary V          primary voltage (default " << defaults.primary << ")\n";
    out << "  --secondary V:A      a secondary's voltage and current, 1 to 5 times, in row order\n";
    out << "  --dc-secondary VDC:IDC[:bridge|centre-tap|half-wave]\n";
    out << "                       a secondary for a rectifier and reservoir capacitor (default\n";
    out << "                       bridge; a centre tap takes two rows), converted to its AC voltage\n";
    out << "                       and current; in row order with --secondary\n";
    out << "  --frequency 50|60    mains frequency in Hz (default " << defaults.frequency << ")\n";
    out << "  --service S          1|2|3|continuous|discontinuous|random (default " << defaults.service
        << ")\n";
    out << "  --iron-price P       iron price per kg (default " << defaults.ironPrice << ")\n";
    out << "  --copper-price P     copper price per kg (default " << defaults.copperPrice << ")\n";
    out << "  --locale NAME        number conventions (default: the system's; C is point-decimal)\n";
    out << "  --core TONGUE:STACK  design on this core (whole mm) instead of the one Calculate\n";
    out << "                       chooses; a current beyond the thickest wire gets parallel strands\n";
    out << "  --json               print the result as one JSON object (with --alternatives: one a core)\n";
    out << "  --jsonl              read designs as JSON objects, one a line, from standard input,\n";
    out << "                       and print one result line for each\n";
    out << "  --                   end of the options: what follows are design files\n\n";
    out << "Exit status (when several apply, the highest):\n";
    out << "  0  every design was calculated or cleared (cleared: no secondary in use);\n";
    out << "     --help and --version\n";
    out << "  1  a design was refused: an input error (a --secondary or --dc-secondary value\n";
    out << "     that is no valid voltage or current included), or it cannot be calculated\n";
    out << "  2  a usage error (a malformed, unknown or repeated option); a design file that\n";
    out << "     could not be read; an output file that could not be written; a --jsonl input\n";
    out << "     line that held no design; standard output that could not be written\n";
}

int usageError(std::ostream& err, const std::string& reason) {
    err << "coilwise: " << reason << "\nTry 'coilwise --help' for more information.\n";
    return exitUsageError;
}

// The path arguments as the program names files. A path whose bytes the system's encoding of file
// names cannot carry would name another file (its invalid bytes replaced): it is a usage error.
std::optional<std::vector<QString>> pathArguments(std::span<const std::string> args, std::ostream& err) {
    std::vector<QString> paths;
    for (const std::string& arg : args) {
        std::optional<QString> path = pathFromBytes(arg);
        if (!path) {
            usageError(err, "'" + arg + "' " + std::string(unspellablePath));
            return std::nullopt;
        }
        paths.push_back(std::move(*path));
    }
    return paths;
}

// A price as typed in the locale's conventions; negative prices make no sense on a cost sheet, and
// absurd ones would make the costs unreadable.
bool readPriceOption(const std::optional<std::string>& text, const Locale& locale, double& price) {
    if (!text) {
        return true;
    }
    const std::optional<double> value = readPrice(*text, locale, PriceSource::commandLine);
    if (!value) {
        return false;
    }
    price = *value;
    return true;
}

int report(std::ostream& out, const DesignRun& run, CalcOutput output, std::span<const ConvertedDc> dc = {}) {
    if (output == CalcOutput::json) {
        std::string line;
        appendResultJson(line, run, dc);
        out << line << '\n';
    } else {
        writeTextSheet(out, run);
        writeDcLines(out, dc, run);
    }
    return run.refused() ? exitRefused : exitCalculated;
}

int listAlternatives(const CalcOptions& options, std::span<const ConvertedDc> dc, const Locale& locale,
                     std::ostream& out, std::ostream& err) {
    if (options.output == CalcOutput::jsonl || options.core || options.files.size() > 1) {
        return usageError(err, "--alternatives takes the design options or one design file, and --json");
    }
    const std::optional<std::vector<QString>> paths = pathArguments(options.files, err);
    if (!paths) {
        return exitUsageError;
    }
    DesignInput design = options.design;
    if (!paths->empty()) {
        std::variant<DesignInput, std::string> read = readDesignInput(paths->front(), options.design);
        if (const std::string* reason = std::get_if<std::string>(&read)) {
            err << "coilwise: " << options.files.front() << ": " << *reason << "\n";
            return exitUsageError;
        }
        design = std::get<DesignInput>(std::move(read));
    }
    const AlternativesTable table = alternatives(design, locale, {});
    if (table.rows.empty()) {
        // The inputs themselves are refused: the reason is Calculate's.
        return report(out, *table.calculate, options.output, dc);
    }
    if (options.output == CalcOutput::json) {
        std::string line;
        for (const Alternative& row : table.rows) {
            line.clear();
            appendAlternativeJson(line, row, *table.calculate);
            out << line << '\n';
        }
    } else {
        writeAlternativesText(out, table, locale);
    }
    // Designs that fit come first: when the first does not, no core can be wound.
    return table.rows.front().fits() ? exitCalculated : exitRefused;
}

enum class CalcCommand { calculate, alternatives };

int calculate(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err,
              CalcCommand command) {
    std::variant<CalcOptions, std::string> parsed = parseCalcOptions(args);
    if (const std::string* reason = std::get_if<std::string>(&parsed)) {
        return usageError(err, *reason);
    }
    CalcOptions& options = std::get<CalcOptions>(parsed);
    const std::optional<QtLocale> locale = QtLocale::forName(QString::fromStdString(options.localeName));
    if (!locale) {
        return usageError(err, "unknown locale '" + options.localeName + "'");
    }
    if (!readPriceOption(options.ironPrice, *locale, options.design.ironPrice)) {
        return usageError(err, "--iron-price '" + *options.ironPrice + "' is not a price");
    }
    if (!readPriceOption(options.copperPrice, *locale, options.design.copperPrice)) {
        return usageError(err, "--copper-price '" + *options.copperPrice + "' is not a price");
    }

    // The DC outputs become the AC rows of the typed design once, for whatever is asked of it.
    std::variant<std::vector<ConvertedDc>, std::string> dc =
        convertDcSecondaries(options.dcSecondaries, options.design, *locale);
    // A value no winding can be designed for is refused as a secondary's is; only a malformed
    // option is a usage error.
    if (const std::string* reason = std::get_if<std::string>(&dc)) {
        err << "coilwise: " << *reason << "\n";
        return exitRefused;
    }
    const std::vector<ConvertedDc>& converted = std::get<std::vector<ConvertedDc>>(dc);

    if (command == CalcCommand::alternatives) {
        return listAlternatives(options, converted, *locale, out, err);
    }
    if (options.output == CalcOutput::jsonl) {
        if (options.core) {
            return usageError(err, "--core applies to the typed design or design files, not to --jsonl");
        }
        return runJsonLines(in, out, err, *locale, options.design);
    }
    if (options.files.empty()) {
        return report(out, DesignRun(options.design, *locale, options.core), options.output, converted);
    }
    const std::optional<std::vector<QString>> paths = pathArguments(options.files, err);
    if (!paths) {
        return exitUsageError;
    }
    int status = exitCalculated;
    for (std::size_t i = 0; i < paths->size(); ++i) {
        const std::string& file = options.files[i];
        const std::variant<DesignInput, std::string> design = readDesignInput((*paths)[i], options.design);
        if (const std::string* reason = std::get_if<std::string>(&design)) {
            err << "coilwise: " << file << ": " << *reason << "\n";
            status = exitUsageError;
            continue;
        }
        if (options.output == CalcOutput::sheet) {
            out << file << ":\n";
        }
        status = std::max(status, report(out, DesignRun(std::get<DesignInput>(design), *locale, options.core),
                                         options.output));
    }
    return status;
}

// The design sheet, and for a calculated design its construction sheet on a second page.
std::vector<PageDrawing> designPages(const DesignRun& run) {
    std::vector<PageDrawing> pages{[inputs = sheetInputs(run.window(), run.record())](PageCanvas& canvas) {
        return drawDesignSheet(canvas, inputs);
    }};
    if (const Design* design = run.design()) {
        pages.emplace_back([lines = constructionLines(design->sheet, design->checks, run.locale())](
                               PageCanvas& canvas) { return drawConstructionSheet(canvas, lines); });
    }
    return pages;
}

// The sheets of a design file as PDF pages, calculated with the stored settings.
int writePdf(std::span<const std::string> args, std::ostream& err) {
    if (!args.empty() && args.front() == "--") {
        args = args.subspan(1);
    }
    if (args.size() != 2) {
        return usageError(err, "--pdf takes OUT.pdf FILE.cwf");
    }
    const std::optional<std::vector<QString>> paths = pathArguments(args, err);
    if (!paths) {
        return exitUsageError;
    }
    const QString& outPath = (*paths)[0];
    const QString& designPath = (*paths)[1];
    if (isSameFile(outPath, designPath)) {
        err << "coilwise: " << args[0] << ": this is the design file itself; it is not overwritten\n";
        return exitUsageError;
    }
    const std::variant<DesignInput, std::string> design = readDesignInput(designPath, defaultDesign());
    if (const std::string* reason = std::get_if<std::string>(&design)) {
        err << "coilwise: " << args[1] << ": " << *reason << "\n";
        return exitUsageError;
    }
    const QtLocale locale(QLocale::system());
    const DesignRun run(std::get<DesignInput>(design), locale);
    if (const FileWrite written = writePagesPdf(outPath, designPages(run)); !written) {
        err << "coilwise: " << args[0] << ": the design sheet could not be written (" << written.failure
            << ")\n";
        return exitUsageError;
    }
    return exitCalculated;
}

int runCommand(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        writeUsage(err);
        return exitUsageError;
    }
    const std::string& command = args.front();
    if (command == "--calc") {
        return calculate(args.subspan(1), in, out, err, CalcCommand::calculate);
    }
    if (command == "--alternatives") {
        return calculate(args.subspan(1), in, out, err, CalcCommand::alternatives);
    }
    if (command == "--pdf") {
        return writePdf(args.subspan(1), err);
    }
    if (args.size() > 1 && (command == "--help" || command == "--version")) {
        return usageError(err, command + " takes no further arguments");
    }
    if (command == "--help") {
        writeUsage(out);
        return exitCalculated;
    }
    if (command == "--version") {
        out << "coilwise " << versionText << "\n";
        return exitCalculated;
    }
    return usageError(err, (command.starts_with('-') ? "unknown option '" : "unexpected argument '") +
                               command + "'");
}

} // namespace

bool wantsCommandLine(std::span<const std::string> args) {
    return !args.empty() && args.front().starts_with('-') && args.front() != "--";
}

std::span<const std::string> windowArguments(std::span<const std::string> args) {
    return !args.empty() && args.front() == "--" ? args.subspan(1) : args;
}

int runCommandLine(std::span<const std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    const int status = runCommand(args, in, out, err);
    // A full disk or a closed standard output must not pass for success. (A reader that has gone
    // away ends the program by SIGPIPE, quietly, as other tools end.)
    if (!out.flush()) {
        err << "coilwise: standard output could not be written\n";
        return exitUsageError;
    }
    return status;
}

} // namespace coilwise
