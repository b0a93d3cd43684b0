#include "core/ImageConvertRows.h"

#include <immintrin.h>

void MP_RGB48ToARGB32RowScalar(const uint16_t* __restrict source, uint32_t* __restrict target, int width)
{
    for (int x = 0; x < width; ++x)
        target[x] = 0xFF000000u | (uint32_t(source[x * 3] >> 8) << 16) |
                    (uint32_t(source[x * 3 + 1] >> 8) << 8) | uint32_t(source[x * 3 + 2] >> 8);
}

// Eight pixels per step: the high bytes of 24 samples are packed into 24 bytes R G B R G B …,
// then each group of four pixels is shuffled into B G R A order and the alpha byte is set.
__attribute__((target("ssse3"))) void MP_RGB48ToARGB32RowSSSE3(const uint16_t* __restrict source,
                                                               uint32_t* __restrict target, int width)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i alpha = _mm_set1_epi32(int(0xFF000000u));
    int x = 0;
    for (; x + 8 <= width; x += 8)
    {
        const __m128i* s = reinterpret_cast<const __m128i*>(source + x * 3);
        const __m128i a = _mm_srli_epi16(_mm_loadu_si128(s), 8);
        const __m128i b = _mm_srli_epi16(_mm_loadu_si128(s + 1), 8);
        const __m128i c = _mm_srli_epi16(_mm_loadu_si128(s + 2), 8);
        const __m128i first = _mm_packus_epi16(a, b);                     // pixels 0..4 and R5
        const __m128i second = _mm_packus_epi16(c, c);                    // G5 B5, pixels 6..7
        const __m128i rest = _mm_alignr_epi8(second, first, 12);          // pixels 4..7 from byte 0
        __m128i* d = reinterpret_cast<__m128i*>(target + x);
        _mm_storeu_si128(d, _mm_or_si128(_mm_shuffle_epi8(first, order), alpha));
        _mm_storeu_si128(d + 1, _mm_or_si128(_mm_shuffle_epi8(rest, order), alpha));
    }
    MP_RGB48ToARGB32RowScalar(source + x * 3, target + x, width - x);
}

MP_RowToARGB32 MP_RGB48ToARGB32RowFunction()
{
    static const MP_RowToARGB32 row =
        __builtin_cpu_supports("ssse3") ? MP_RGB48ToARGB32RowSSSE3 : MP_RGB48ToARGB32RowScalar;
    return row;
}
