// A heap block that is reused while later requests fit and replaced only by a larger one,
// zero-filled according to the clear policy its owner chose.
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>

namespace Helper
{
enum EClearPolicy : int32_t
{
    eCP_NO_CLEAR = 0,
    eCP_ON_CREATE = 1,
    eCP_ON_FIRST_USE = 2,
};

/// "eCP_NO_CLEAR", "eCP_ON_CREATE", or "eCP_ON_FIRST_USE" for any other value.
const char* ClearPolicyName(EClearPolicy policy);

namespace detail
{
void LogCreate(uint32_t bytes, EClearPolicy policy);
void LogDestroy(uint64_t bytes);
void LogFirstUseClear();
}  // namespace detail

class CGrowingBufferBase
{
public:
    virtual void Destroy() = 0;

protected:
    CGrowingBufferBase() = default;
    ~CGrowingBufferBase() = default;
};

template <typename T>
class CGrowingBuffer : public CGrowingBufferBase
{
public:
    CGrowingBuffer() = default;
    ~CGrowingBuffer() { CGrowingBuffer::Destroy(); }
    CGrowingBuffer(const CGrowingBuffer&) = delete;
    CGrowingBuffer& operator=(const CGrowingBuffer&) = delete;
    CGrowingBuffer(CGrowingBuffer&& other) noexcept { TakeFrom(other); }
    CGrowingBuffer& operator=(CGrowingBuffer&& other) noexcept
    {
        if (this != &other)
        {
            Destroy();
            TakeFrom(other);
        }
        return *this;
    }

    /// Makes the block hold at least `count` elements. True when a new block was allocated,
    /// false when the existing one was kept (its contents, policy and cleared flag unchanged).
    bool tCreate(uint32_t count, EClearPolicy policy)
    {
        if (m_pData && count <= m_uiElementCount)
            return false;
        Destroy();
        m_pData = new T[count];
        m_uiElementCount = count;
        m_bCleared = false;
        m_eClearPolicy = policy;
        if (policy == eCP_ON_CREATE && count > 0)
        {
            std::memset(static_cast<void*>(m_pData), 0, size_t(count) * sizeof(T));
            m_bCleared = true;
        }
        detail::LogCreate(uint32_t(uint64_t(count) * sizeof(T)), policy);
        return true;
    }

    void Destroy() override
    {
        if (!m_pData && m_uiElementCount == 0)
            return;
        detail::LogDestroy(uint64_t(m_uiElementCount) * sizeof(T));
        m_eClearPolicy = eCP_ON_CREATE;
        m_bCleared = false;
        m_uiElementCount = 0;
        delete[] m_pData;
        m_pData = nullptr;
    }

    /// Applies the clear policy, then returns the block (null when there is none).
    T* GetData()
    {
        HandleClearPolicy();
        return (m_pData && m_uiElementCount > 0) ? m_pData : nullptr;
    }

    void HandleClearPolicy()
    {
        if (m_bCleared || m_eClearPolicy != eCP_ON_FIRST_USE)
            return;
        detail::LogFirstUseClear();
        if (m_pData && m_uiElementCount > 0)
        {
            std::memset(static_cast<void*>(m_pData), 0, size_t(m_uiElementCount) * sizeof(T));
            m_bCleared = true;
        }
    }

    /// Zero-fills the whole block now.
    void Clear()
    {
        if (!m_pData)
            return;
        std::memset(static_cast<void*>(m_pData), 0, size_t(m_uiElementCount) * sizeof(T));
        m_bCleared = true;
    }

    uint32_t GetElementCount() const { return m_uiElementCount; }
    bool IsCleared() const { return m_bCleared; }
    EClearPolicy GetClearPolicy() const { return m_eClearPolicy; }

private:
    void TakeFrom(CGrowingBuffer& other)
    {
        m_eClearPolicy = std::exchange(other.m_eClearPolicy, eCP_ON_CREATE);
        m_bCleared = std::exchange(other.m_bCleared, false);
        m_uiElementCount = std::exchange(other.m_uiElementCount, 0u);
        m_pData = std::exchange(other.m_pData, nullptr);
    }

    EClearPolicy m_eClearPolicy = eCP_ON_CREATE;
    bool m_bCleared = false;
    uint32_t m_uiElementCount = 0;
    T* m_pData = nullptr;
};
}  // namespace Helper
