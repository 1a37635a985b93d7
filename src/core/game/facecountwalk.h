// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>

// Walks over dice counted by face (an array indexed 1 to 6), shared by the exact
// solver and the target-chance tables so both enumerate rolls alike.
namespace facecountwalk {

inline std::size_t at(int i) { return static_cast<std::size_t>(i); }

// Calls visit(counts) for every way of putting `left` dice on faces `face` to 6.
template <typename Counts, typename Visit>
void eachCounts(Counts& counts, int face, int left, Visit&& visit)
{
    if (face == 6) {
        counts[6] = left;
        visit(counts);
        return;
    }
    for (int c = left; c >= 0; --c) {
        counts[at(face)] = c;
        eachCounts(counts, face + 1, left - c, visit);
    }
    counts[at(face)] = 0;
}

// Calls visit(sub) for every sub-multiset of `of`.
template <typename Counts, typename Visit>
void eachSubset(const Counts& of, Counts& sub, int face, Visit&& visit)
{
    if (face > 6) {
        visit(sub);
        return;
    }
    for (int c = 0; c <= of[at(face)]; ++c) {
        sub[at(face)] = c;
        eachSubset(of, sub, face + 1, visit);
    }
    sub[at(face)] = 0;
}

// The orderings of n dice that give these counts: n! over each face's
// count factorial.
template <typename Counts>
double arrangements(int n, const Counts& counts)
{
    double ways = 1;
    for (int i = 2; i <= n; ++i)
        ways *= i;
    for (int face = 1; face <= 6; ++face)
        for (int i = 2; i <= counts[at(face)]; ++i)
            ways /= i;
    return ways;
}

} // namespace facecountwalk
