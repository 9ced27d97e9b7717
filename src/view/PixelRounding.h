// Many pixel coordinates of points inside the view rounded at once, two at a time where the
// processor has SSE2, each exactly as RoundInsideView rounds it.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZF61_PIXEL_ROUNDING_SSE2 1
#endif

#include "view/ViewWindow.h"

namespace zf61 {

// out[i] = RoundInsideView(in[i]) for every i < count; every value from 0 to
// kPixelCoordinateLimit.
inline void RoundInsideViewAll(const double* in, int32_t* out, size_t count) {
  size_t i = 0;
#if ZF61_PIXEL_ROUNDING_SSE2
  // Truncation, the exact fraction and its comparison with one half, as in RoundInsideView; a
  // true comparison is all ones, that is -1, so subtracting it adds one.
  const __m128d half = _mm_set1_pd(0.5);
  for (; i + 2 <= count; i += 2) {
    const __m128d value = _mm_loadu_pd(in + i);
    const __m128i whole = _mm_cvttpd_epi32(value);
    const __m128d fraction = _mm_sub_pd(value, _mm_cvtepi32_pd(whole));
    const __m128i up = _mm_castpd_si128(_mm_cmpge_pd(fraction, half));
    const __m128i rounded = _mm_sub_epi32(whole, _mm_shuffle_epi32(up, _MM_SHUFFLE(3, 3, 2, 0)));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), rounded);
  }
#endif
  for (; i < count; ++i) out[i] = RoundInsideView(in[i]);
}

// The pixel coordinates (a - origin) * scale and (b - origin) * scale of two points inside the
// view, worked out and rounded together: the same subtractions, products and rounding as one
// at a time.
inline void PixelCoordinatesInsideView(double a, double b, double origin, double scale,
                                       int32_t& ra, int32_t& rb) {
#if ZF61_PIXEL_ROUNDING_SSE2
  const __m128d value =
      _mm_mul_pd(_mm_sub_pd(_mm_set_pd(b, a), _mm_set1_pd(origin)), _mm_set1_pd(scale));
  const __m128i whole = _mm_cvttpd_epi32(value);
  const __m128d fraction = _mm_sub_pd(value, _mm_cvtepi32_pd(whole));
  const __m128i up = _mm_castpd_si128(_mm_cmpge_pd(fraction, _mm_set1_pd(0.5)));
  const __m128i rounded = _mm_sub_epi32(whole, _mm_shuffle_epi32(up, _MM_SHUFFLE(3, 3, 2, 0)));
  ra = _mm_cvtsi128_si32(rounded);
  rb = _mm_cvtsi128_si32(_mm_shuffle_epi32(rounded, _MM_SHUFFLE(3, 2, 0, 1)));
#else
  ra = RoundInsideView((a - origin) * scale);
  rb = RoundInsideView((b - origin) * scale);
#endif
}

}  // namespace zf61
