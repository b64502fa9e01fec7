#pragma once

#include "calculation.h"
#include "design_input.h"
#include "design_record.h"
#include "memory_window.h"

#include <optional>

namespace coilwise {

// One Calculate on a window in memory that held nothing but the design's typed texts, and what it
// left behind: the fields as the window would show them, the message, the focus and the design.
class DesignRun {
public:
    // On the core Calculate chooses, or on the given one.
    DesignRun(const DesignInput& input, const Locale& locale, const std::optional<ChosenCore>& core = {});
    DesignRun(const DesignRun&) = delete;
    DesignRun& operator=(const DesignRun&) = delete;

    Outcome outcome() const { return outcome_; }
    bool refused() const { return outcome_ == Outcome::inputError || outcome_ == Outcome::cannotCalculate; }
    const DesignRecord& record() const { return record_; }
    const Design* design() const { return record_.design ? &*record_.design : nullptr; }
    const MemoryWindow& window() const { return window_; }
    const Locale& locale() const { return locale_; }
    std::string text(Field field, int row = 0) const { return window_.text({field, row}); }

private:
    Outcome calculate(const DesignInput& input, const Locale& locale, const std::optional<ChosenCore>& core);

    const Locale& locale_;
    DesignRecord record_;
    MemoryWindow window_;
    Outcome outcome_;
};

} // namespace coilwise
