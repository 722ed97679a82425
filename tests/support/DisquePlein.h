#pragma once

#include <csignal>
#include <sys/resource.h>

// Makes every write to a regular file fail, as on a full disk, for the object's lifetime:
// the file size limit drops to 0 (or to `place` bytes, so that a write begins and stops
// midway), so writing fails (EFBIG) even for root, for whom permissions cannot make a
// folder read-only. Pipes and terminals are not limited.
class DisquePlein {
public:
    explicit DisquePlein(rlim_t place = 0)
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit plein = avant_;
        plein.rlim_cur = place;
        setrlimit(RLIMIT_FSIZE, &plein);
    }
    ~DisquePlein()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, ancienSignal_);
    }
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

private:
    rlimit avant_{};
    void (*ancienSignal_)(int) = nullptr;
};
