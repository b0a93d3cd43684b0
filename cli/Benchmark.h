// In-process benchmarks of vantrope-cli: each prepares its data once and returns the step to time.
#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class CEngineContext;

/// The context of the bench command's messages (its timing lines and the benchmark list are for
/// scripts and stay as they are).
struct CliBench
{
    Q_DECLARE_TR_FUNCTIONS(CliBench)
};

struct SBenchOptions
{
    QSize size{1920, 1080};
    int iterations = 20;
    int threads = 0;              // 0: the machine's ideal thread count
    QMap<QString, QString> extra; // further "--key value" pairs (e.g. "lut-size", "clip")
};

/// Prepares the benchmark; fills `step` with the work to time, or `error` and returns false.
using BenchPrepare = bool (*)(const SBenchOptions& options, std::function<void()>& step, QString& error);

struct SBenchmark
{
    const char* name;
    const char* description;
    BenchPrepare prepare;
};

/// An extra line printed after the timing line, made from the median step time (for example a
/// rate); a benchmark's prepare step may set one.
using BenchSummary = std::function<QString(double medianMs)>;
void SetBenchSummary(BenchSummary summary);

/// The frame of an engine benchmark: seeded noise of the --size, or "--frame FILE" (raw rgb48le);
/// null with `error` set when the file cannot be read.
std::shared_ptr<std::vector<uint16_t>> BenchFrame(const SBenchOptions& options, QString& error);
/// An engine context over the application's state with the level-table reuse of "--reuse 0|1";
/// null with `error` set for another value.
std::shared_ptr<CEngineContext> BenchEngine(const SBenchOptions& options, QString& error);

/// Benchmarks of each library, joined by the bench command.
std::span<const SBenchmark> CoreBenchmarks();
std::span<const SBenchmark> EngineBenchmarks();
std::span<const SBenchmark> VideoBenchmarks();
std::span<const SBenchmark> LutBenchmarks();
std::span<const SBenchmark> SessionBenchmarks();
std::span<const SBenchmark> ColourBenchmarks();
std::span<const SBenchmark> ExposureBenchmarks();
std::span<const SBenchmark> TimelineBenchmarks();
std::span<const SBenchmark> EnhanceBenchmarks();
std::span<const SBenchmark> ScopeBenchmarks();
std::span<const SBenchmark> ColourFamilyBenchmarks();
std::span<const SBenchmark> SmoothBenchmarks();

/// A frame of `size` with smooth gradients and noise, so curves, LUTs and scopes see every level.
std::vector<uint16_t> PreviewFrame(QSize size);

/// The median of timed rounds (0 without any).
double BenchMedian(std::vector<double> values);
