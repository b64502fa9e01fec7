#pragma once

#include <csignal>
#include <sys/resource.h>

namespace coilwise {

// Files larger than nothing cannot be written while it lives, whoever runs the test.
class NoFileGrowth {
public:
    NoFileGrowth() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit none{0, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~NoFileGrowth() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    NoFileGrowth(const NoFileGrowth&) = delete;
    NoFileGrowth& operator=(const NoFileGrowth&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace coilwise
