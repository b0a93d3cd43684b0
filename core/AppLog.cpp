#include "core/AppLog.h"

#include <iostream>
#include <mutex>

namespace Helper
{
namespace
{
std::mutex g_logMutex;
}

void AppLog(const QString& line)
{
    const QByteArray utf8 = line.toUtf8();
    std::lock_guard<std::mutex> lock(g_logMutex);
    std::cout.write(utf8.constData(), utf8.size());
    std::cout << std::endl;
}

void AppLog(const char* line)
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    std::cout << line << std::endl;
}
}  // namespace Helper
