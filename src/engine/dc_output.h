#pragma once

#include "assumptions.h"
#include "design.h"

#include <optional>
#include <string_view>

namespace coilwise {

// A secondary that feeds a rectifier and a reservoir capacitor: from the DC the user wants to the
// AC winding the window asks for. The factors are the usual capacitor-input ones and assume a
// stiff mains and a typical winding resistance; the help page explains them.

enum class Rectifier { bridge, centreTap, halfWave };

struct DcRequest {
    double dcVolts = 0; // across the capacitor at full load
    double dcAmps = 0;  // drawn by the load
    Rectifier rectifier = Rectifier::bridge;
    double diodeDrop = assumed::diodeDropVolts; // forward drop of one diode (V)
    double rippleVolts = 0;                     // peak to peak across the capacitor
    double frequency = 50;                      // mains (Hz)
};

// The rectifier's name as the command line, the JSON result and the sheet spell it.
std::string_view rectifierName(Rectifier rectifier);
std::optional<Rectifier> rectifierNamed(std::string_view name);

// The ripple allowed when the user names none: a tenth of the DC voltage.
double defaultRipple(double dcVolts);

// Diodes that conduct in series on each half cycle.
int diodesInPath(Rectifier rectifier);
// Rows of the window the winding takes: the centre tap is two equal halves.
int windingRows(Rectifier rectifier);

struct DcSecondary {
    DcRequest request;
    double acVolts = 0;        // RMS at full load; of each half for the centre tap
    double acAmps = 0;         // RMS; of each half for the centre tap
    double acVoltsWritten = 0; // rounded up to the field's hundredths
    double acAmpsWritten = 0;
    double capacitanceMicrofarads = 0;
    double capacitorMicrofarads = 0; // the E6 value at or above the capacitance
};

// The winding for the request, or none when a figure is not a positive number (a negative
// diode drop included) or a result is beyond a double.
std::optional<DcSecondary> convertDcOutput(const DcRequest& request);

// The value rounded up to hundredths; a value already on a hundredth (within rounding noise)
// stays as it is, so 1 stays 1.00.
double roundUpToHundredths(double value);
// The E6 value at or above a positive value: 1.0, 1.5, 2.2, 3.3, 4.7, 6.8 in every decade.
double nextE6(double value);
// The smallest standard capacitor voltage (16 V to 450 V) at or above the voltage; none above
// 450 V.
std::optional<int> nextCapacitorVoltage(double volts);

// The DC voltages the finished winding gives across the mains tolerance of ±10 %.
struct DcVoltages {
    double noLoadHighMains = 0;          // the capacitor must withstand this
    std::optional<int> capacitorVoltage; // next standard rating above it
    double fullLoadLowMains = 0;
};

// From the winding's voltage without load and under full load as calculated at nominal mains.
// Without load the capacitor charges to the peak. Under load the winding loses the same volts in
// its resistance whatever the mains, so only the EMF follows the mains; the capacitor then sits
// half the ripple below the peak.
DcVoltages dcVoltages(const DcSecondary& secondary, double unloadVolts, double loadVolts);

// The same for row (1 to 5) of a calculated design, from the voltage without load as its field
// shows it; none when the design has no such row.
std::optional<DcVoltages> dcVoltagesOfRow(const DcSecondary& secondary, const Design& design, int row);

} // namespace coilwise
