// Byte mutations for the file-reader fuzz suites: a fixed-seed generator, so
// that every run tries the same inputs and a failure found once is found
// again. Each input starts from a seed file (or the previous input) and gets
// one to four stacked mutations: bit flips, boundary bytes and integers
// (counts of 0, -1, 2^30, INT_MIN, ...), extreme doubles, inserted, erased
// and duplicated ranges, cuts, splices with another seed and tokens of the
// format's own vocabulary.
#pragma once
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace fuzz {

class Mutator {
public:
    explicit Mutator(std::vector<std::string> seeds, std::vector<std::string> tokens = {},
                     std::uint64_t seed = 0x6b657374726131ULL)
        : m_seeds(std::move(seeds)), m_tokens(std::move(tokens)), m_state(seed)
    {
    }

    const std::vector<std::string>& Seeds() const { return m_seeds; }

    // The next input, derived from a seed or (one time in four) from the
    // input before it, so that mutations can build on each other.
    std::string Next()
    {
        std::string data = (!m_last.empty() && Below(4) == 0) ? m_last : m_seeds[Below(m_seeds.size())];
        const int count = 1 + static_cast<int>(Below(4));
        for (int i = 0; i < count; ++i)
            MutateOnce(data);
        if (data.size() > MaxSize)
            data.resize(MaxSize);
        m_last = data;
        return data;
    }

    std::uint64_t Below(std::uint64_t n) { return n == 0 ? 0 : Random() % n; }

    static constexpr std::size_t MaxSize = 1 << 16;

private:
    std::uint64_t Random()
    {
        // splitmix64: small, fast and the same on every platform.
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    std::size_t Offset(const std::string& data, std::size_t width)
    {
        if (data.size() < width)
            return 0;
        // Aligned offsets half of the time: the binary formats are built of
        // 4- and 8-byte fields.
        const std::size_t slots = data.size() - width + 1;
        std::size_t at = Below(slots);
        if (Below(2) == 0)
            at -= at % width;
        return at;
    }

    template <class T>
    void Put(std::string& data, T value)
    {
        if (data.size() < sizeof(T))
            data.resize(sizeof(T), '\0');
        std::memcpy(&data[Offset(data, sizeof(T))], &value, sizeof(T));
    }

    void MutateOnce(std::string& data)
    {
        static const std::int32_t ints[] = {0, 1, 2, -1, -2, 7, 8, 12, 255, 256, 65535, 65536,
                                            0x3fffffff, 0x40000000, 0x7fffffff,
                                            std::numeric_limits<std::int32_t>::min()};
        static const double reals[] = {0.0, -0.0, 1.0, -1.0, 0.5, 1e308, -1e308, 1e-320,
                                       std::numeric_limits<double>::infinity(),
                                       -std::numeric_limits<double>::infinity(),
                                       std::numeric_limits<double>::quiet_NaN(), 2147483648.0,
                                       -2147483649.0, 1e10};
        static const unsigned char bytes[] = {0x00, 0x01, 0x7f, 0x80, 0xfe, 0xff, '\n', '\r', ' '};
        switch (Below(m_tokens.empty() ? 10 : 11)) {
        case 0: // flip one bit
            if (!data.empty())
                data[Below(data.size())] ^= static_cast<char>(1u << Below(8));
            break;
        case 1: // boundary byte
            if (!data.empty())
                data[Below(data.size())] = static_cast<char>(bytes[Below(sizeof bytes)]);
            break;
        case 2: // boundary 32-bit integer (counts, lengths)
            Put(data, ints[Below(sizeof ints / sizeof ints[0])]);
            break;
        case 3: // extreme double
            Put(data, reals[Below(sizeof reals / sizeof reals[0])]);
            break;
        case 4: { // insert random bytes
            std::string add(1 + Below(16), '\0');
            for (char& c : add)
                c = static_cast<char>(Random());
            data.insert(Below(data.size() + 1), add);
            break;
        }
        case 5: // erase a range
            if (!data.empty()) {
                const std::size_t at = Below(data.size());
                data.erase(at, 1 + Below(std::min<std::size_t>(data.size() - at, 32)));
            }
            break;
        case 6: // cut the file short
            data.resize(Below(data.size() + 1));
            break;
        case 7: // duplicate a range
            if (!data.empty()) {
                const std::size_t at = Below(data.size());
                const std::string part = data.substr(at, 1 + Below(64));
                data.insert(Below(data.size() + 1), part);
            }
            break;
        case 8: { // splice: head of this input, tail of another seed
            const std::string& other = m_seeds[Below(m_seeds.size())];
            data = data.substr(0, Below(data.size() + 1)) + other.substr(Below(other.size() + 1));
            break;
        }
        case 9: // random byte
            if (!data.empty())
                data[Below(data.size())] = static_cast<char>(Random());
            break;
        default: // a token of the format
            data.insert(Below(data.size() + 1), m_tokens[Below(m_tokens.size())]);
            break;
        }
    }

    std::vector<std::string> m_seeds;
    std::vector<std::string> m_tokens;
    std::uint64_t m_state;
    std::string m_last;
};

} // namespace fuzz
