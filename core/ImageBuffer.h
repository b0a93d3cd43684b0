// Image buffers: a growing buffer with a size and N interleaved samples per pixel, rows packed.
#pragma once

#include "core/Exceptions.h"
#include "core/GrowingBuffer.h"

#include <QSize>

#include <cstdint>
#include <new>

namespace Helper
{
template <typename T, int N>
class CImageBuffer : public CGrowingBuffer<T>
{
public:
    static constexpr int kSamplesPerPixel = N;
    using Sample = T;

    CImageBuffer() = default;
    ~CImageBuffer() { CImageBuffer::Destroy(); }
    CImageBuffer(CImageBuffer&& other) noexcept
        : CGrowingBuffer<T>(std::move(other)), m_size(std::exchange(other.m_size, QSize(0, 0)))
    {
    }
    CImageBuffer& operator=(CImageBuffer&& other) noexcept
    {
        CGrowingBuffer<T>::operator=(std::move(other));
        m_size = std::exchange(other.m_size, QSize(0, 0));
        return *this;
    }

    /// Makes room for size.width() × size.height() pixels and records the size. Throws
    /// CExceptionInvalidParameter for a width or height ≤ 0 before anything changes.
    bool Create(const QSize& size, EClearPolicy policy)
    {
        if (size.width() <= 0 || size.height() <= 0)
            throw CExceptionInvalidParameter();
        const uint64_t count = uint64_t(size.width()) * uint64_t(size.height()) * N;
        if (count > UINT32_MAX)
            throw std::bad_alloc();
        const bool created = this->tCreate(uint32_t(count), policy);
        m_size = size;
        return created;
    }

    /// Create for callers that work with status codes (the engine and its users): false instead
    /// of an exception when the size is not positive or the memory cannot be had.
    bool TryCreate(const QSize& size, EClearPolicy policy) noexcept
    {
        try
        {
            Create(size, policy);
        }
        catch (const CExceptionInvalidParameter&)
        {
            return false; // nothing changed
        }
        catch (const std::bad_alloc&)
        {
            Destroy(); // the block is gone: the size must not outlive it
            return false;
        }
        return true;
    }

    void Destroy() override
    {
        m_size = QSize(0, 0);
        CGrowingBuffer<T>::Destroy();
    }

    QSize GetSize() const { return m_size; }
    int Width() const { return m_size.width(); }
    int Height() const { return m_size.height(); }

    bool IsValid()
    {
        return this->GetData() != nullptr && this->GetElementCount() > 0 && m_size.width() > 0 &&
               m_size.height() > 0;
    }

private:
    QSize m_size{0, 0};
};

/// 8-bit R, G, B: frames to and from the external encoder.
class CRGB24Buffer : public CImageBuffer<unsigned char, 3>
{
};

/// 16-bit R, G, B over the full 0..65535 range: the working format of every computation.
class CRGB48Buffer : public CImageBuffer<unsigned short, 3>
{
public:
    /// Fills the buffer with the neutral-grey checkerboard; false when it has no valid size.
    bool SetCheckerboard();
};

/// One 0xAARRGGBB word per pixel, ready to be wrapped by the toolkit's image class.
class CARGB32Buffer : public CImageBuffer<unsigned int, 1>
{
};

/// One 16-bit sample per pixel: selection masks, 0 (not selected) to 65535 (fully selected).
class CGrey16Buffer : public CImageBuffer<unsigned short, 1>
{
};
}  // namespace Helper

/// Non-owning view of an engine image: pointer to the first sample plus its size.
struct SImageRef
{
    unsigned short* pData = nullptr;
    int iWidth = 0;
    int iHeight = 0;

    bool IsValid() const { return pData != nullptr && iWidth >= 1 && iHeight >= 1; }
};
