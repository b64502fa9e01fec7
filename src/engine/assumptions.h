#pragma once

#include <array>

// Every figure the design assumes where the user gives none, each held once, with its unit and
// where it comes from. The help page "Assumptions" names the same figures.
namespace coilwise::assumed {

// Mains tolerance: the supply may lie 10 % above or below its rated voltage (IEC 60038).
inline constexpr double mainsHigh = 1.1;
inline constexpr double mainsLow = 0.9;

// Air around the transformer (°C): a warm equipment case, the usual rating ambient for small
// mains transformers.
inline constexpr double ambientCelsius = 40;

// Bobbin wall between the tongue and the first layer, and insulation between two windings (cm):
// common practice for small moulded bobbins.
inline constexpr double bobbinWallCm = 0.1;
inline constexpr double betweenWindingsCm = 0.1;

// Wire ordered beyond each winding's length, for leads and waste (fraction, here 10 %).
inline constexpr double spareWire = 0.1;

// Lamination sheet (mm) and the share of the stack that is steel for a stack of 0.5 mm sheet,
// riveted or clamped (EN 10106 gives 0.97 flat under pressure; 0.94 to 0.96 in a real stack).
inline constexpr double sheetMm = 0.5;
inline constexpr double stackingFactor = 0.95;

// Density of silicon steel (g/cm³), for the weight of a lamination outside the table.
inline constexpr double steelGramsPerCm3 = 7.65;

// Temperature coefficient of the resistance of annealed copper (per K, from 20 °C; IEC 60028).
inline constexpr double copperPerKelvin = 0.00393;

// Time-lag fuses of the IEC 60127-2 series (A), 32 mA to 10 A.
inline constexpr std::array<double, 26> fuseSeries{0.032, 0.04,  0.05, 0.063, 0.08, 0.1, 0.125, 0.16, 0.2,
                                                   0.25,  0.315, 0.4,  0.5,   0.63, 0.8, 1,     1.25, 1.6,
                                                   2,     2.5,   3.15, 4,     5,    6.3, 8,     10};

// Safety extra-low voltage: at most 50 V AC at the output (IEC 61558-1).
inline constexpr double selvVolts = 50;

// Capacitor-input rectifiers: the RMS winding current is the DC current over 0.62 for a bridge
// and over 0.28 for a half-wave rectifier (each half of a centre tap carries the DC current);
// the usual factors for a stiff mains and a typical winding resistance.
inline constexpr double bridgeCurrentFactor = 0.62;
inline constexpr double halfWaveCurrentFactor = 0.28;
// Forward drop of one silicon rectifier diode at its rated current (V).
inline constexpr double diodeDropVolts = 0.8;
// The ripple allowed across the reservoir capacitor when the user names none: a tenth of the DC.
inline constexpr double rippleShare = 0.1;

} // namespace coilwise::assumed
