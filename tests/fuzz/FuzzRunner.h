// Drives one reader over its seeds and then over Runs() mutated inputs. An
// input that runs longer than five seconds stops the program; so does a
// sanitizer report. Either way the input number and bytes are written out
// (stderr and "<name>-input.bin" in $KESTRA_FUZZ_OUT) for a replay.
#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

#include "fuzz/Mutator.h"

#if defined(__has_include)
#if __has_include(<sanitizer/common_interface_defs.h>) && defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define KESTRA_FUZZ_DEATH_CALLBACK 1
#endif
#endif

namespace fuzz {

class Runner {
public:
    explicit Runner(std::string name) : m_name(std::move(name))
    {
        Current() = this;
#ifdef KESTRA_FUZZ_DEATH_CALLBACK
        __sanitizer_set_death_callback([] {
            if (Current())
                Current()->Report("stopped the program");
        });
#endif
        m_watch = std::thread([this] { Watch(); });
    }
    ~Runner()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_watch.join();
        Current() = nullptr;
    }
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Seeds first (they must pass the target's checks too), then KESTRA_FUZZ_RUNS
    // mutations (default 2000); stops at the first failed expectation.
    template <class Target>
    void Run(Mutator& mutator, Target target)
    {
        const char* text = std::getenv("KESTRA_FUZZ_RUNS");
        const long runs = text && std::atol(text) > 0 ? std::atol(text) : 2000;
        const long seeds = static_cast<long>(mutator.Seeds().size());
        for (long index = 0; index < seeds + runs; ++index) {
            const std::string input = index < seeds ? mutator.Seeds()[index] : mutator.Next();
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_index = index;
                m_input = input;
                m_started = std::chrono::steady_clock::now();
                m_busy = true;
            }
            target(input);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_busy = false;
            if (::testing::Test::HasFailure())
                return Report("failed its checks");
        }
    }

private:
    void Watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stop) {
            m_wake.wait_for(lock, std::chrono::milliseconds(200));
            if (m_busy && std::chrono::steady_clock::now() - m_started > std::chrono::seconds(5)) {
                Report("ran over the time limit");
                std::fflush(stderr);
                std::_Exit(3);
            }
        }
    }

    // Called with the state stable (the lock held, or the program dying).
    void Report(const char* what) const
    {
        std::fprintf(stderr, "%s: input %ld (%zu bytes) %s\n", m_name.c_str(), m_index,
                     m_input.size(), what);
        for (std::size_t i = 0; i < m_input.size() && i < 256; ++i)
            std::fprintf(stderr, "%02x%s", static_cast<unsigned char>(m_input[i]),
                         (i % 32 == 31) ? "\n" : " ");
        const char* dir = std::getenv("KESTRA_FUZZ_OUT");
        const std::string path = std::string(dir && *dir ? dir : "/tmp") + "/" + m_name + "-input.bin";
        std::ofstream(path, std::ios::binary) << m_input;
        std::fprintf(stderr, "\ninput written to %s\n", path.c_str());
    }

    static Runner*& Current()
    {
        static Runner* current = nullptr;
        return current;
    }

    std::string m_name;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_watch;
    std::chrono::steady_clock::time_point m_started;
    std::string m_input;
    long m_index = 0;
    bool m_busy = false;
    bool m_stop = false;
};

} // namespace fuzz
