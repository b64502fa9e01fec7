#include "construction_json.h"

#include "json_key.h"
#include "json_writer.h"

#include <optional>
#include <string_view>
#include <utility>

namespace coilwise {

namespace {

// Writes `"key": value` pairs of one JSON object, separated by commas.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    void number(JsonKey key, double value) { appendJsonNumber(out_, nextKey(key), value); }
    void number(JsonKey key, const std::optional<double>& value) {
        if (value) {
            number(key, *value);
        } else {
            name(key);
            out_ += "null";
        }
    }
    void text(JsonKey key, std::string_view value) { appendJsonString(out_, nextKey(key), value); }
    // The caller writes the value after this.
    void name(JsonKey key) { out_ += nextKey(key); }

private:
    std::string_view nextKey(JsonKey key) {
        return std::exchange(first_, false) ? key.first() : key.afterComma;
    }

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
    o.text("designation"_key, core.designation);
    o.number("tongue_mm"_key, core.tongueMm);
    o.number("stack_mm"_key, core.stackMm);
    o.number("window_width_mm"_key, core.windowWidthMm);
    o.number("window_height_mm"_key, core.windowHeightMm);
    o.number("laminations"_key, core.laminations);
    o.number("flux_density_t"_key, core.fluxDensityT);
    o.number("current_density_a_per_mm2"_key, core.currentDensityAPerMm2);
    o.number("window_fill_percent"_key, core.windowFillPercent);
    o.number("radial_build_mm"_key, core.radialBuildMm);
    o.number("radial_space_mm"_key, core.radialSpaceMm);
}

void appendWinding(std::string& out, const WindingSheet& w) {
    JsonObject o(out);
    o.text("winding"_key, w.winding);
    o.number("wire_mm"_key, w.wireMm);
    if (w.strands > 1) {
        o.number("strands"_key, w.strands);
    }
    o.number("awg"_key, w.awg);
    o.number("turns"_key, w.turns);
    o.number("layers"_key, w.layers);
    o.number("turns_per_layer"_key, w.turnsPerLayer);
    o.number("build_mm"_key, w.buildMm);
    o.number("mean_turn_cm"_key, w.meanTurnCm);
    o.number("length_m"_key, w.lengthM);
    o.number("order_length_m"_key, w.orderLengthM);
    o.number("mass_g"_key, w.massG);
    o.number("ohms_20c"_key, w.ohms20C);
    o.number("ohms_hot"_key, w.ohmsHot);
    if (w.noLoadRisePercent) {
        o.number("no_load_rise_percent"_key, *w.noLoadRisePercent);
    }
    if (w.shortCircuitA) {
        o.number("short_circuit_a"_key, *w.shortCircuitA);
    }
}

} // namespace

void appendConstructionJson(std::string& out, const ConstructionSheet& sheet,
                            const std::vector<Check>& checks) {
    out += R"(, "construction": )";
    {
        JsonObject construction(out);
        construction.name("core"_key);
        appendCore(out, sheet.core);
        construction.name("windings"_key);
        appendArray(out, sheet.windings, [&](const WindingSheet& w) { appendWinding(out, w); });
        construction.name("wire_to_order"_key);
        appendArray(out, sheet.wireToOrder, [&](const WireOrder& wire) {
            JsonObject o(out);
            o.number("wire_mm"_key, wire.wireMm);
            o.number("length_m"_key, wire.lengthM);
            o.number("mass_g"_key, wire.massG);
        });
        construction.name("thermal"_key);
        {
            JsonObject o(out);
            o.number("temperature_rise_k"_key, sheet.thermal.temperatureRiseK);
            o.number("winding_temperature_c"_key, sheet.thermal.windingTemperatureC);
            o.text("insulation_class"_key, sheet.thermal.insulationClass);
        }
        construction.name("primary"_key);
        {
            JsonObject o(out);
            o.number("current_a"_key, sheet.primary.currentA);
            o.number("fuse_a"_key, sheet.primary.fuseA);
            o.number("inrush_peak_a"_key, sheet.primary.inrushPeakA);
        }
    }
    out += R"(, "checks": )";
    appendArray(out, checks, [&](const Check& c) {
        JsonObject o(out);
        o.text("check"_key, c.check);
        o.text("status"_key, checkStatusName(c.status));
        o.text("message"_key, c.message);
    });
}

} // namespace coilwise
