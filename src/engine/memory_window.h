#pragma once

#include "design_record.h"
#include "locale.h"
#include "window_port.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace coilwise {

// The window held in memory, for the command line, the tests and the benchmarks. It behaves as
// the real window does towards the calculation and remembers what a person would have seen.
class MemoryWindow final : public WindowPort {
public:
    MemoryWindow(DesignRecord& record, const Locale& locale) : record_(record), locale_(locale) {}

    std::string text(FieldRef ref) const override { return slot(ref); }
    // The same without a copy, for writing every field out.
    const std::string& shownText(FieldRef ref) const { return slot(ref); }
    void setText(FieldRef ref, const std::string& text) override;
    void setFocus(FieldRef ref) override { focus_ = ref; }
    void beep() override { ++beeps_; }
    void showCritical(const std::string& message) override { messages_.push_back(message); }
    void runClear() override;
    void leaveSecondaryVoltage(int row) override;
    void leaveSecondaryCurrent(int row) override;

    const Locale& locale() const { return locale_; }
    std::optional<FieldRef> focus() const { return focus_; }
    int beeps() const { return beeps_; }
    const std::vector<std::string>& messages() const { return messages_; }
    // Forget the focus, beeps and messages seen so far, before the next run.
    void forgetObservations();

private:
    const std::string& slot(FieldRef ref) const {
        return texts_[static_cast<std::size_t>(ref.field)][index(ref)];
    }
    std::string& slot(FieldRef ref) { return texts_[static_cast<std::size_t>(ref.field)][index(ref)]; }
    static std::size_t index(FieldRef ref);

    DesignRecord& record_;
    const Locale& locale_;
    std::array<std::array<std::string, rowCount + 1>, fieldCount> texts_{};
    std::optional<FieldRef> focus_;
    int beeps_ = 0;
    std::vector<std::string> messages_;
};

} // namespace coilwise
