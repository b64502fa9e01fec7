#pragma once

#include "design_details.h"

#include <optional>
#include <string>
#include <vector>

namespace coilwise {

// What a person needs to wind, order and protect a calculated design, derived from the working
// values of its last pass. Every figure is unrounded; units are in the names. Assumptions:
// 0.5 mm laminations stacked at 0.95, a 1 mm bobbin wall, 40 °C ambient, 10 % spare wire.

struct CoreSheet {
    std::string designation; // "EI " and three times the tongue in mm: "EI 69"
    double tongueMm;
    double stackMm;
    double windowWidthMm;
    double windowHeightMm;
    int laminations; // of each kind, E and I
    double fluxDensityT;
    double currentDensityAPerMm2;
    double windowFillPercent; // of the window area, against the 55 % the fit test allows
    double radialBuildMm;     // primary, 1 mm between, then every secondary
    double radialSpaceMm;     // window width less the bobbin wall
};

struct WindingSheet {
    std::string winding; // "primary", "secondary 1" ...
    double wireMm;
    int awg;      // nearest American wire gauge
    double turns; // rounded to whole turns, as the window shows them
    int layers;
    int turnsPerLayer;
    double buildMm;
    double meanTurnCm;
    double lengthM;
    double orderLengthM; // 10 % spare, rounded up to 0.1 m
    double massG;
    double ohms20C;
    double ohmsHot; // at the winding temperature
    // Secondaries only.
    std::optional<double> noLoadRisePercent;
    std::optional<double> shortCircuitA;
};

struct WireOrder {
    double wireMm;
    double lengthM; // the windings' lengths to order, summed
    double massG;
};

struct ThermalSheet {
    double temperatureRiseK;
    double windingTemperatureC;
    std::string insulationClass;
};

struct PrimarySheet {
    double currentA;             // full-load input current
    std::optional<double> fuseA; // time-lag fuse; none when even 10 A is too small
    double inrushPeakA;          // worst-case switch-on peak
};

struct ConstructionSheet {
    CoreSheet core;
    std::vector<WindingSheet> windings; // primary, then the secondaries in row order
    std::vector<WireOrder> wireToOrder; // one per diameter, thinnest first
    ThermalSheet thermal;
    PrimarySheet primary;
};

ConstructionSheet constructionSheet(const DesignDetails& design);

// The rules the sheet is made of, each usable on its own.

// Laminations of each kind for a stack: stack × 0.95 / 0.5 mm, to the nearest whole sheet.
int laminationsFor(double stackMm);
// American wire gauge n has the diameter 0.127 mm × 92^((36 − n) / 39).
double awgDiameter(int gauge);
// The gauge whose diameter is nearest to the wire's.
int nearestAwg(double wireMm);
// Length plus 10 % spare, rounded up to the next 0.1 m.
double orderLength(double metres);
// The smallest time-lag fuse of the series from 32 mA to 10 A not below twice the current.
std::optional<double> timeLagFuse(double fullLoadAmps);
// Resistance of copper at another temperature (temperature coefficient 0.00393 per K from 20 °C).
double ohmsAt(double ohms20C, double celsius);

} // namespace coilwise
