// The order of a ranking: the exchange procedure, reproduced in O(n log n).
#include "pool/rules/ranking.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

namespace {

// A sequence that moves its first k entries to its end, and grows at its end, each in
// logarithmic time: an implicit treap. The priorities only keep it balanced; the order of the
// entries never depends on them.
class RotatingQueue
{
public:
    void clear()
    {
        m_nodes.clear();
        m_root = -1;
    }
    int size() const { return sizeOf(m_root); }
    void append(int value)
    {
        m_nodes.push_back({value, nextPriority(), -1, -1, 1});
        m_root = merge(m_root, int(m_nodes.size()) - 1);
    }
    void rotate(int k)
    {
        if (k == 0)
            return;
        const auto [front, back] = split(m_root, k);
        m_root = merge(back, front);
    }
    template <typename Visit> void forEach(Visit visit) const { walk(m_root, visit); }

private:
    struct Node
    {
        int value;
        quint32 priority;
        int left;
        int right;
        int size;
    };

    quint32 nextPriority()
    {
        m_seed ^= m_seed << 13;
        m_seed ^= m_seed >> 17;
        m_seed ^= m_seed << 5;
        return m_seed;
    }
    int sizeOf(int t) const { return t < 0 ? 0 : m_nodes[size_t(t)].size; }
    void update(int t)
    {
        Node &node = m_nodes[size_t(t)];
        node.size = 1 + sizeOf(node.left) + sizeOf(node.right);
    }
    int merge(int a, int b)
    {
        if (a < 0)
            return b;
        if (b < 0)
            return a;
        if (m_nodes[size_t(a)].priority > m_nodes[size_t(b)].priority) {
            const int right = merge(m_nodes[size_t(a)].right, b);
            m_nodes[size_t(a)].right = right;
            update(a);
            return a;
        }
        const int left = merge(a, m_nodes[size_t(b)].left);
        m_nodes[size_t(b)].left = left;
        update(b);
        return b;
    }
    // The first k entries of `t`, and the rest.
    std::pair<int, int> split(int t, int k)
    {
        if (t < 0)
            return {-1, -1};
        const int leftSize = sizeOf(m_nodes[size_t(t)].left);
        if (k <= leftSize) {
            const auto [a, b] = split(m_nodes[size_t(t)].left, k);
            m_nodes[size_t(t)].left = b;
            update(t);
            return {a, t};
        }
        const auto [a, b] = split(m_nodes[size_t(t)].right, k - leftSize - 1);
        m_nodes[size_t(t)].right = a;
        update(t);
        return {t, b};
    }
    template <typename Visit> void walk(int t, Visit &visit) const
    {
        if (t < 0)
            return;
        walk(m_nodes[size_t(t)].left, visit);
        visit(m_nodes[size_t(t)].value);
        walk(m_nodes[size_t(t)].right, visit);
    }

    std::vector<Node> m_nodes;
    int m_root = -1;
    quint32 m_seed = 2463534242u;
};

} // namespace

namespace Pool {

bool ranksAbove(const TRankRow &x, const TRankRow &y)
{
    return std::tie(x.PG, x.AC, x.AR, x.AG) > std::tie(y.PG, y.AC, y.AR, y.AG);
}

} // namespace Pool

// Rows leave best first; a group of equal rows is followed through the steps of the h rows that
// rank above it as a queue that, at each such step, sends its front row to its back. The test
// suite holds the result to the procedure itself, row for row.
void SortRanking(Ranking &rows)
{
    const int n = int(rows.size());
    if (n < 2)
        return;
    // Best first; equal counters keep list order, so each group lists its rows as they came.
    std::vector<int> byRank(static_cast<size_t>(n));
    std::iota(byRank.begin(), byRank.end(), 0);
    std::stable_sort(byRank.begin(), byRank.end(),
                     [&rows](int a, int b) { return Pool::ranksAbove(rows.at(a), rows.at(b)); });
    std::vector<int> groupOf(static_cast<size_t>(n));
    std::vector<int> groupStart{0}; // the first place of each group = rows ranking above it
    for (int p = 0; p < n; ++p) {
        if (p > 0 && Pool::ranksAbove(rows.at(byRank[size_t(p - 1)]), rows.at(byRank[size_t(p)])))
            groupStart.push_back(p);
        groupOf[size_t(byRank[size_t(p)])] = int(groupStart.size()) - 1;
    }
    const int groups = int(groupStart.size());
    groupStart.push_back(n);

    // For each row, how many rows ranking above it come before it in the list: its run.
    std::vector<int> run(static_cast<size_t>(n));
    std::vector<int> seen(size_t(groups) + 1, 0); // a Fenwick tree over the groups
    for (int i = 0; i < n; ++i) {
        const int g = groupOf[size_t(i)];
        int above = 0;
        for (int k = g; k > 0; k -= k & -k)
            above += seen[size_t(k)];
        run[size_t(i)] = above;
        for (int k = g + 1; k <= groups; k += k & -k)
            ++seen[size_t(k)];
    }

    Ranking sorted;
    sorted.reserve(n);
    RotatingQueue queue;
    for (int g = 0; g < groups; ++g) {
        const int first = groupStart[size_t(g)];
        const int count = groupStart[size_t(g) + 1] - first;
        queue.clear();
        int steps = 0;
        for (int p = first; p < first + count; ++p) {
            const int row = byRank[size_t(p)];
            if (queue.size() > 0)
                queue.rotate((run[size_t(row)] - steps) % queue.size());
            steps = run[size_t(row)];
            queue.append(row);
        }
        queue.rotate((first - steps) % queue.size());
        queue.forEach([&](int row) { sorted.append(std::move(rows[row])); });
    }
    rows = std::move(sorted);
}
