#include "core/GrowingBuffer.h"

#include "core/AppLog.h"

namespace Helper
{
const char* ClearPolicyName(EClearPolicy policy)
{
    switch (policy)
    {
    case eCP_NO_CLEAR:
        return "eCP_NO_CLEAR";
    case eCP_ON_CREATE:
        return "eCP_ON_CREATE";
    default:
        return "eCP_ON_FIRST_USE";
    }
}

namespace detail
{
void LogCreate(uint32_t bytes, EClearPolicy policy)
{
    AppLog(QStringLiteral("CGrowingBuffer::tCreate() -> Size: %1 - Clear policy: %2")
               .arg(bytes)
               .arg(QLatin1String(ClearPolicyName(policy))));
}

void LogDestroy(uint64_t bytes)
{
    AppLog(QStringLiteral("CGrowingBuffer::Destroy() -> Size: %1").arg(bytes));
}

void LogFirstUseClear()
{
    AppLog("CGrowingBuffer::HandleClearPolicy() -> Not cleard yet -> Clearing...");
}
}  // namespace detail
}  // namespace Helper
