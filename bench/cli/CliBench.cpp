// quillbox-cli as a user runs it, a whole process over a folder of 100,000
// notes, against a plain program that opens and reads the same files. Wall
// time per run; the children's CPU time as a counter.
#include "BenchNotes.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
constexpr int nNotes = 100000;

std::string NotesDir()
{
    return BenchNotesFolder("quillbox-bench-select-100000", nNotes, 360);
}

// A program beside this one.
std::string Sibling(const char* pszName)
{
    std::string self(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size());
    self.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return self.substr(0, self.rfind('/') + 1) + pszName;
}

double ChildrenCpuSeconds()
{
    rusage ru{};
    ::getrusage(RUSAGE_CHILDREN, &ru);
    return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) + double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// Runs the program with its output thrown away; false when it failed.
bool Run(std::vector<std::string> args)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return rc == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void RunEach(benchmark::State& state, const std::vector<std::string>& args)
{
    const double cpuBefore = ChildrenCpuSeconds();
    for (auto _ : state)
        if (!Run(args))
            state.SkipWithError("the program failed");
    state.counters["child_cpu_ms"] =
        benchmark::Counter((ChildrenCpuSeconds() - cpuBefore) * 1000, benchmark::Counter::kAvgIterations);
}

void BM_PlainProgramBaseline(benchmark::State& state)
{
    RunEach(state, {Sibling("bench_plain_read"), NotesDir()});
}

void BM_CliList(benchmark::State& state)
{
    RunEach(state, {Sibling("quillbox-cli"), "list", NotesDir()});
}
} // namespace

BENCHMARK(BM_PlainProgramBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_CliList)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

BENCHMARK_MAIN();
