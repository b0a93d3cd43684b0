// High-resolution timing and the engine's timing lines (C stdio channel, gated by the logging flag).
#pragma once

#include <cstdarg>

/// Current counter value (nanoseconds of the monotonic clock).
double MP_TimeStamp();
/// Milliseconds since a stamp of MP_TimeStamp.
double MP_ElapsedMs(double stamp);
/// Restarts the engine timer; MP_TimerElapsedMs measures from it.
void MP_TimerStart();
double MP_TimerElapsedMs();

/// printf-style engine diagnostic line, written only while the engine's logging flag is on.
void MP_Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
/// Writes an engine diagnostic line whatever the flag (the caller has decided).
void MP_VLog(const char* format, va_list args);
/// "%11.4f ms <name> \r\n" with the milliseconds since `stamp`.
void MP_LogMs(double stamp, const char* name);
/// "%6.2f ms - <name> \r\n" with the milliseconds since `stamp`.
void MP_LogMsDash(double stamp, const char* name);
