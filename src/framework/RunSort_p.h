#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// A stable sort that takes the runs already in order as they are. A list
// sorted one way and then asked for the other is one run backwards: it is
// turned round in one pass, where a plain merge sort would compare every
// element again. Used where each comparison is costly (a handler that
// collates texts), so it spends few of them on unordered input too.
template <class T, class Less> void RunSort(std::vector<T>& items, Less less) {
    // Runs shorter than this are lengthened by binary insertion, which asks
    // the fewest comparisons on small ranges.
    constexpr std::size_t shortestRun = 32;
    const std::size_t count = items.size();
    std::vector<std::size_t> runEnds;
    const auto at = [&items](std::size_t place) {
        return items.begin() + static_cast<std::ptrdiff_t>(place);
    };

    // Cut the items into runs. A descending run is reversed, and each block
    // of equal items in it reversed back, so that equal items keep their
    // order; an ascending run keeps equal neighbours as they are. Equal items
    // at a run's start belong to either kind.
    for (std::size_t start = 0; start < count;) {
        std::vector<std::pair<std::size_t, std::size_t>> equalBlocks;
        bool descends = false;
        std::size_t end = start + 1;
        for (; end < count; ++end) {
            if (less(items[end], items[end - 1])) {
                descends = true;
                continue;
            }
            if (less(items[end - 1], items[end]))
                break;
            if (equalBlocks.empty() || equalBlocks.back().second != end - 1)
                equalBlocks.emplace_back(end - 1, end - 1);
            equalBlocks.back().second = end;
        }
        if (descends) {
            std::reverse(at(start), at(end));
            for (const auto& [first, last] : equalBlocks)
                std::reverse(at(start + end - 1 - last), at(start + end - first));
        } else if (end < count) {
            // The neighbours just compared ascend.
            for (++end; end < count && !less(items[end], items[end - 1]);)
                ++end;
        }
        const std::size_t wanted = std::min(count, start + shortestRun);
        for (; end < wanted; ++end)
            std::rotate(std::upper_bound(at(start), at(end), items[end], less), at(end),
                        at(end + 1));
        runEnds.push_back(end);
        start = end;
    }

    // Merge neighbouring runs pairwise until one is left; the left run wins
    // ties, so equal items keep their order.
    std::vector<T> merged(count);
    while (runEnds.size() > 1) {
        std::vector<std::size_t> mergedEnds;
        std::size_t start = 0;
        for (std::size_t run = 0; run < runEnds.size(); run += 2) {
            const std::size_t middle = runEnds[run];
            const std::size_t end = run + 1 < runEnds.size() ? runEnds[run + 1] : middle;
            std::merge(at(start), at(middle), at(middle), at(end),
                       merged.begin() + static_cast<std::ptrdiff_t>(start), less);
            mergedEnds.push_back(end);
            start = end;
        }
        items.swap(merged);
        runEnds.swap(mergedEnds);
    }
}
