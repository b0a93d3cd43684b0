// The grade the preview, scrub and playback benchmarks time: five colour operators and a LUT of
// `lutSize` points that bends every channel, with its saturation slider moved.
#pragma once

#include <QString>

class CGradingSession;

/// Builds that grade in `session`; `sliderOperator` receives the index of the colour-intensity
/// operator (the slider the preview benchmark moves). False with `error` set when the catalogue
/// lacks an operator.
bool SetUpBenchGrade(CGradingSession& session, int lutSize, QString& error, int* sliderOperator = nullptr);
