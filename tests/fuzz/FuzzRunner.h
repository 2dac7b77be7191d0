// Drives one reader over its seed files and then over Runs() mutated
// inputs. An input that runs longer than five seconds stops the program;
// so does a sanitizer report. Either way the input number and bytes are
// written out (stderr and a file "<name>-input.bin" in $KESTRA_FUZZ_OUT),
// so the failure can be replayed with the same fixed seed.
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

// KESTRA_FUZZ_RUNS, else 2000 (the sanitizer build in CI sets 100000).
inline long Runs()
{
    const char* text = std::getenv("KESTRA_FUZZ_RUNS");
    const long runs = text ? std::atol(text) : 0;
    return runs > 0 ? runs : 2000;
}

class Runner {
public:
    explicit Runner(std::string name, std::chrono::seconds limit = std::chrono::seconds(5))
        : m_name(std::move(name)), m_limit(limit)
    {
        Current() = this;
#ifdef KESTRA_FUZZ_DEATH_CALLBACK
        __sanitizer_set_death_callback(&Runner::OnDeath);
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

    // The seeds first (they must pass the target's own checks as well),
    // then the mutations. Stops at the first failed expectation.
    template <class Target>
    void Run(Mutator& mutator, Target target)
    {
        long index = 0;
        for (const std::string& seed : mutator.Seeds())
            if (!One(index++, seed, target))
                return;
        const long runs = Runs();
        for (long i = 0; i < runs; ++i)
            if (!One(index++, mutator.Next(), target))
                return;
    }

private:
    template <class Target>
    bool One(long index, const std::string& input, Target& target)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_index = index;
            m_input = input;
            m_started = std::chrono::steady_clock::now();
            m_busy = true;
        }
        target(input);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_busy = false;
        }
        if (::testing::Test::HasFailure()) {
            Report("failed its checks");
            return false;
        }
        return true;
    }

    void Watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stop) {
            m_wake.wait_for(lock, std::chrono::milliseconds(200));
            if (m_busy && std::chrono::steady_clock::now() - m_started > m_limit) {
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
        std::fprintf(stderr, "\n");
        const char* dir = std::getenv("KESTRA_FUZZ_OUT");
        const std::string path = std::string(dir && *dir ? dir : "/tmp") + "/" + m_name + "-input.bin";
        std::ofstream(path, std::ios::binary) << m_input;
        std::fprintf(stderr, "input written to %s\n", path.c_str());
    }

    static Runner*& Current()
    {
        static Runner* current = nullptr;
        return current;
    }
    static void OnDeath()
    {
        if (Current())
            Current()->Report("stopped the program");
    }

    std::string m_name;
    std::chrono::seconds m_limit;
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
