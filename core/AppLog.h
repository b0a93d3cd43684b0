// The application log stream: trace lines of the application classes ("Class::Method() -> message").
// It is std::cout, which start-up and the export job redirect into their log files; engine timing
// lines use the C stdio channel instead, so the two never mix.
#pragma once

#include <QString>

namespace Helper
{
/// Writes one line to the application log stream (thread-safe, flushed).
void AppLog(const QString& line);
void AppLog(const char* line);
}  // namespace Helper
