#pragma once

// Work shared out among a few threads: the calling thread and up to
// nThreads - 1 helpers run work at once, each taking its shares (through an
// atomic counter, say) until none is left. A helper that cannot be started
// leaves its shares to the others; all is done when this returns.
#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

template <class F>
void RunOnThreads(size_t nThreads, F&& work)
{
    std::vector<std::jthread> helpers;
    try {
        for (size_t t = 1; t < nThreads; ++t)
            helpers.emplace_back([&work] { work(); });
    } catch (const std::system_error&) {
        // No thread to spare: the ones running take its shares.
    }
    work();
}
