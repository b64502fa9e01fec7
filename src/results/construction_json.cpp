#include "construction_json.h"

#include "json_writer.h"

#include <optional>
#include <string_view>

namespace coilwise {

namespace {

// Writes `"key": value` pairs of one JSON object, separated by commas.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    void number(std::string_view key, double value) {
        name(key);
        appendJsonNumber(out_, value);
    }
    void number(std::string_view key, const std::optional<double>& value) {
        if (value) {
            number(key, *value);
        } else {
            name(key);
            out_ += "null";
        }
    }
    void text(std::string_view key, std::string_view value) {
        name(key);
        appendJsonString(out_, value);
    }
    // The caller writes the value after this.
    void name(std::string_view key) {
        out_ += first_ ? "" : ", ";
        first_ = false;
        appendJsonKey(out_, key);
    }

private:
    std::string& out_;
    bool first_ = true;
};

template <typename Items, typename Write>
void appendArray(std::string& out, const Items& items, Write write) {
    out += '[';
    bool first = true;
    for (const auto& item : items) {
        out += first ? "" : ", ";
        first = false;
        write(item);
    }
    out += ']';
}

void appendCore(std::string& out, const CoreSheet& core) {
    JsonObject o(out);
    o.text("designation", core.designation);
    o.number("tongue_mm", core.tongueMm);
    o.number("stack_mm", core.stackMm);
    o.number("window_width_mm", core.windowWidthMm);
    o.number("window_height_mm", core.windowHeightMm);
    o.number("laminations", core.laminations);
    o.number("flux_density_t", core.fluxDensityT);
    o.number("current_density_a_per_mm2", core.currentDensityAPerMm2);
    o.number("window_fill_percent", core.windowFillPercent);
    o.number("radial_build_mm", core.radialBuildMm);
    o.number("radial_space_mm", core.radialSpaceMm);
}

void appendWinding(std::string& out, const WindingSheet& w) {
    JsonObject o(out);
    o.text("winding", w.winding);
    o.number("wire_mm", w.wireMm);
    if (w.strands > 1) {
        o.number("strands", w.strands);
    }
    o.number("awg", w.awg);
    o.number("turns", w.turns);
    o.number("layers", w.layers);
    o.number("turns_per_layer", w.turnsPerLayer);
    o.number("build_mm", w.buildMm);
    o.number("mean_turn_cm", w.meanTurnCm);
    o.number("length_m", w.lengthM);
    o.number("order_length_m", w.orderLengthM);
    o.number("mass_g", w.massG);
    o.number("ohms_20c", w.ohms20C);
    o.number("ohms_hot", w.ohmsHot);
    if (w.noLoadRisePercent) {
        o.number("no_load_rise_percent", *w.noLoadRisePercent);
    }
    if (w.shortCircuitA) {
        o.number("short_circuit_a", *w.shortCircuitA);
    }
}

} // namespace

void appendConstructionJson(std::string& out, const ConstructionSheet& sheet,
                            const std::vector<Check>& checks) {
    out += R"(, "construction": )";
    {
        JsonObject construction(out);
        construction.name("core");
        appendCore(out, sheet.core);
        construction.name("windings");
        appendArray(out, sheet.windings, [&](const WindingSheet& w) { appendWinding(out, w); });
        construction.name("wire_to_order");
        appendArray(out, sheet.wireToOrder, [&](const WireOrder& wire) {
            JsonObject o(out);
            o.number("wire_mm", wire.wireMm);
            o.number("length_m", wire.lengthM);
            o.number("mass_g", wire.massG);
        });
        construction.name("thermal");
        {
            JsonObject o(out);
            o.number("temperature_rise_k", sheet.thermal.temperatureRiseK);
            o.number("winding_temperature_c", sheet.thermal.windingTemperatureC);
            o.text("insulation_class", sheet.thermal.insulationClass);
        }
        construction.name("primary");
        {
            JsonObject o(out);
            o.number("current_a", sheet.primary.currentA);
            o.number("fuse_a", sheet.primary.fuseA);
            o.number("inrush_peak_a", sheet.primary.inrushPeakA);
        }
    }
    out += R"(, "checks": )";
    appendArray(out, checks, [&](const Check& c) {
        JsonObject o(out);
        o.text("check", c.check);
        o.text("status", checkStatusName(c.status));
        o.text("message", c.message);
    });
}

} // namespace coilwise
