// The heat average's division by 6, done with one multiplication and two
// fused multiply-adds that give exactly the bits the division gives.
//
// The divider is the slowest unit the spread uses (about two cycles per
// double at any vector width) and its latency lies on the spread's chain of
// dependent steps. The sum s = a + b of the average's last two terms and its
// sixth are therefore computed as
//
//   s  = a + b                              (the plain loop's last addition)
//   t  = a k + (b k)     one fused multiply-add, k = kSumScale = 2^-57
//   q' = s R + t         one fused multiply-add, R = kSixth, the double nearest 1/6
//
// where b k is ready before a is, so t is ready when s is and the quotient
// costs one fused multiply-add of latency after the last addition.
//
// Why q' is s / 6 as the division rounds it, writing q = s / 6 exactly and
// u for the spacing of the doubles in q's binade [2^e, 2^(e+1)):
//
// 1. t = s k exactly: a k and b k are exact (k is a power of two, and a
//    nonzero sum of floats is at least 2^-149 in size, so nothing
//    underflows), the fused multiply-add rounds a k + b k = (a + b) k once,
//    and rounding commutes with scaling by a power of two: RN((a + b) k) =
//    RN(a + b) k = s k.
// 2. R = (1/6)(1 - 2^-54) exactly (1/6 = 2^-3 x 1.0101..., cut after 52
//    fraction bits, the next bit being 0). The fused multiply-add rounds
//    s R + s k = q (1 - 2^-54 + 6 x 2^-57) = q (1 - 2^-56) once: a value
//    less than |q| 2^-56 < u/8 from q, on the side of zero.
// 3. s = 6q lies two or three binades above q, so s is a multiple of 4u.
//    q minus a midpoint (2j+1) u/2 of the doubles of q's binade is
//    (s - 3(2j+1) u) / 6, and s - 3(2j+1) u is an odd multiple of u, so q
//    lies at least u/6 from every such midpoint; the midpoints below 2^e
//    (where the doubles are u/2 apart) lie at least u/4 below q. A value
//    within u/8 of q therefore rounds to the same double as q: q' = RN(q),
//    which is what the division returns.
//
// Zeros keep their sign (-0 + -0 = -0 all the way through, and any other
// zero sum is +0 in both), infinities come out as the division's, and a NaN
// sum passes on its NaN as the division does; only a sum of two different
// NaNs may carry the other's payload.
//
// Nothing here depends on the vector width; each instruction set's file
// writes the three steps with its own intrinsics.
#pragma once

namespace blazemere::fire::kernels {

inline constexpr double kSixth = 0x1.5555555555555p-3;  // RN(1/6) = (1/6)(1 - 2^-54)
static_assert(kSixth == 1.0 / 6.0, "the double nearest 1/6");
inline constexpr double kSumScale = 0x1p-57;

}  // namespace blazemere::fire::kernels
