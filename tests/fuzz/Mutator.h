// Byte mutations with a fixed-seed generator: every run tries the same
// inputs, so a failure found once is found again. Each input is a seed (or
// the previous input) with one to four stacked mutations: bit flips,
// boundary bytes, integers and doubles, inserted, erased and duplicated
// ranges, cuts, splices with another seed and tokens of the format.
#pragma once
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace fuzz {

class Mutator {
public:
    explicit Mutator(std::vector<std::string> seeds, std::vector<std::string> tokens = {})
        : m_seeds(std::move(seeds)), m_tokens(std::move(tokens))
    {
    }

    const std::vector<std::string>& Seeds() const { return m_seeds; }

    std::string Next()
    {
        std::string data = (!m_last.empty() && Below(4) == 0) ? m_last : m_seeds[Below(m_seeds.size())];
        for (int i = 1 + static_cast<int>(Below(4)); i > 0; --i)
            MutateOnce(data);
        if (data.size() > MaxSize)
            data.resize(MaxSize);
        return m_last = data;
    }

    static constexpr std::size_t MaxSize = 1 << 16;

private:
    std::uint64_t Below(std::uint64_t n) { return n == 0 ? 0 : Random() % n; }

    std::uint64_t Random() // splitmix64: the same on every platform
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // At an offset aligned to the width half of the time: the binary
    // formats are built of 4- and 8-byte fields.
    template <class T>
    void Put(std::string& data, T value)
    {
        if (data.size() < sizeof(T))
            data.resize(sizeof(T), '\0');
        std::size_t at = Below(data.size() - sizeof(T) + 1);
        if (Below(2) == 0)
            at -= at % sizeof(T);
        std::memcpy(&data[at], &value, sizeof(T));
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
        const std::size_t at = Below(data.size()), insertAt = Below(data.size() + 1);
        switch (Below(m_tokens.empty() ? 10 : 11)) {
        case 0:
            if (!data.empty())
                data[at] ^= static_cast<char>(1u << Below(8));
            break;
        case 1:
            if (!data.empty())
                data[at] = static_cast<char>(bytes[Below(sizeof bytes)]);
            break;
        case 2:
            Put(data, ints[Below(sizeof ints / sizeof ints[0])]);
            break;
        case 3:
            Put(data, reals[Below(sizeof reals / sizeof reals[0])]);
            break;
        case 4: {
            std::string add(1 + Below(16), '\0');
            for (char& c : add)
                c = static_cast<char>(Random());
            data.insert(insertAt, add);
            break;
        }
        case 5:
            if (!data.empty())
                data.erase(at, 1 + Below(std::min<std::size_t>(data.size() - at, 32)));
            break;
        case 6:
            data.resize(insertAt);
            break;
        case 7:
            if (!data.empty())
                data.insert(insertAt, data.substr(at, 1 + Below(64)));
            break;
        case 8: { // head of this input, tail of another seed
            const std::string& other = m_seeds[Below(m_seeds.size())];
            data = data.substr(0, insertAt) + other.substr(Below(other.size() + 1));
            break;
        }
        case 9:
            if (!data.empty())
                data[at] = static_cast<char>(Random());
            break;
        default:
            data.insert(insertAt, m_tokens[Below(m_tokens.size())]);
            break;
        }
    }

    std::vector<std::string> m_seeds;
    std::vector<std::string> m_tokens;
    std::uint64_t m_state = 0x6b657374726131ULL;
    std::string m_last;
};

} // namespace fuzz
