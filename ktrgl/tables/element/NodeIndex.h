// Finds a node row by its coordinates without scanning the whole node table:
// the member paste, mirror and rotate commands look up thousands of node
// copies in tables of a hundred thousand nodes. Two rules:
//   Exact     - x, y, z equal (the paste);
//   Tolerant  - every column of the row (coordinates and restraint codes)
//               differs by less than 10^-4, i.e. log10|a - b| < -4 (mirror
//               and rotate copies).
// When several rows match, the highest-numbered one wins, as a scan of the
// whole table keeping the last match would answer. Rows appended to the
// table after the index was built must be announced with Add.
#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

class CdMatrix;

class NodeIndex {
public:
    enum Rule { Exact, Tolerant };

    // Indexes rows 1 .. rows of the node table.
    NodeIndex(const CdMatrix& nodes, Rule rule);

    // The highest-numbered row matching row (1-based array of the table's
    // column count); 0 when none.
    int Find(const double* row) const;
    // Row r of the table (appended after construction) joins the index.
    void Add(int r);

    // The matching rules themselves.
    static bool ExactMatch(const double* a, const double* b);
    static bool TolerantMatch(const double* a, const double* b, int columns);

private:
    struct Key {
        std::int64_t x, y, z;
        bool operator==(const Key& o) const { return x == o.x && y == o.y && z == o.z; }
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const;
    };
    // Exact: the coordinates' bit patterns (-0 taken as +0); tolerant: the
    // cell of side 2 x 10^-4 holding the point. False for a point that can
    // match nothing (NaN or infinite coordinates).
    bool KeyOf(const double* row, Key& key) const;

    const CdMatrix& m_nodes;
    Rule m_rule;
    int m_columns;
    std::unordered_map<Key, int, KeyHash> m_exact;                // key -> highest row
    std::unordered_map<Key, std::vector<int>, KeyHash> m_cells;  // cell -> rows, ascending
};
