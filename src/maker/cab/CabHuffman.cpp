// Length-limited canonical Huffman codes.
#include "maker/cab/CabHuffman.h"

#include <algorithm>
#include <numeric>
#include <queue>

namespace quen::cab {
namespace {

// Depth of every leaf of an unlimited Huffman tree over the used symbols.
std::vector<int> LeafDepths(const std::vector<std::uint32_t>& weights) {
    const std::size_t n = weights.size();
    std::vector<int> parent(2 * n, -1);
    using Node = std::pair<std::uint64_t, int>;
    std::priority_queue<Node, std::vector<Node>, std::greater<Node>> q;
    for (std::size_t i = 0; i < n; ++i) q.emplace(weights[i], static_cast<int>(i));
    int next = static_cast<int>(n);
    while (q.size() > 1) {
        const Node a = q.top();
        q.pop();
        const Node b = q.top();
        q.pop();
        parent[a.second] = parent[b.second] = next;
        q.emplace(a.first + b.first, next++);
    }
    std::vector<int> depth(next, 0);
    for (int i = next - 2; i >= 0; --i) depth[i] = depth[parent[i]] + 1;
    return std::vector<int>(depth.begin(), depth.begin() + n);
}

}  // namespace

std::vector<std::uint8_t> CodeLengths(const std::vector<std::uint32_t>& freq, int maxLength) {
    std::vector<int> used;
    for (std::size_t i = 0; i < freq.size(); ++i) if (freq[i] > 0) used.push_back(static_cast<int>(i));
    std::vector<std::uint8_t> lengths(freq.size(), 0);
    if (used.size() < 2) {
        const int a = used.empty() ? 0 : used[0];
        lengths[a] = 1;
        lengths[a == 0 ? 1 : a - 1] = 1;
        return lengths;
    }
    // Most frequent first, so the length histogram can be handed out in order.
    std::stable_sort(used.begin(), used.end(), [&](int a, int b) { return freq[a] > freq[b]; });
    std::vector<std::uint32_t> weights;
    for (int s : used) weights.push_back(freq[s]);
    std::vector<int> count(std::max(maxLength, 64) + 1, 0);
    for (int d : LeafDepths(weights)) count[d]++;
    // Lengths past the limit: move pairs of deepest leaves up, borrowing a shallower leaf,
    // which keeps the code complete.
    for (int i = static_cast<int>(count.size()) - 1; i > maxLength; --i) {
        while (count[i] > 0) {
            int j = i - 2;
            while (count[j] == 0) --j;
            count[i] -= 2;
            count[i - 1] += 1;
            count[j + 1] += 2;
            count[j] -= 1;
        }
    }
    std::size_t k = 0;
    for (int len = 1; len <= maxLength; ++len) {
        for (int c = 0; c < count[len]; ++c) lengths[used[k++]] = static_cast<std::uint8_t>(len);
    }
    return lengths;
}

std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths) {
    std::vector<std::uint16_t> codes(lengths.size(), 0);
    std::uint32_t code = 0;
    for (int len = 1; len <= 16; ++len) {
        for (std::size_t s = 0; s < lengths.size(); ++s) {
            if (lengths[s] == len) codes[s] = static_cast<std::uint16_t>(code++);
        }
        code <<= 1;
    }
    return codes;
}

}  // namespace quen::cab
