// The heat average's division by 6, done with a multiplication and two fused
// multiply-adds that give exactly the bits the division gives.
//
// The divider is the slowest unit the spread uses (about two cycles per
// double at any vector width), so the vector kernels compute, for a sum s:
//
//   p  = s * R          R = kSixth, the double nearest 1/6
//   r  = s - 6 p        one fused multiply-add
//   q' = p + r * R      one fused multiply-add
//
// and q' is s / 6 rounded to nearest, bit for bit, for every finite s other
// than -0 (the kernels take p instead when q' is zero or not a number; see
// below). Why, writing q = s / 6 exactly and u for the spacing of the
// doubles in q's binade [2^e, 2^(e+1)):
//
// 1. R = (1/6)(1 - 2^-54) exactly (1/6 = 2^-3 x 1.0101..., cut after 52
//    fraction bits, the next bit being 0), so s R = q - q 2^-54 lies less
//    than u/2 below q, and p, that rounded, lies within u of q. p is a
//    multiple of u (it rounds into q's binade or onto its upper end 2^(e+1);
//    rounding never falls below 2^e, since s R >= 2^e - 2^(e-54) ties to 2^e).
// 2. s = 6q lies two or three binades above q, so s is a multiple of 4u; 6p
//    is a multiple of u; r = 6 (q - p) is a multiple of u smaller than 6u in
//    size, which a double holds exactly, so the fused multiply-add that
//    computes s - 6p rounds nothing.
// 3. q = p + r/6 exactly. The second fused multiply-add rounds p + r R once,
//    and |r R - r/6| = |r/6| 2^-54 < u 2^-54.
// 4. Two values round to different doubles only if a rounding boundary lies
//    between them or on one of them: a midpoint (2j+1) u/2 of q's binade, or
//    below 2^e, where the doubles are u/2 apart, 2^e - u/4 and lower. q minus
//    such a midpoint is (s - 3(2j+1) u) / 6, and s - 3(2j+1) u is an odd
//    multiple of u (s being a multiple of 4u), so q lies at least u/6 from
//    every boundary. Moving it by less than u 2^-54 therefore rounds the
//    same: q' = RN(q), which is what the division returns.
//
// The sum of six floats cannot overflow or underflow a double (a nonzero one
// is at least 2^-149 in size), so only the special values remain, and for
// those the division's result is p itself: s = +-0 gives p = s (the fused
// path would give +0 for -0); s = +-inf gives p = s (the fused path gives a
// NaN from inf - inf); a NaN s gives p = s quieted, as the division does.
// q' is zero or a NaN exactly in these cases, so the kernels keep p there.
//
// Nothing here depends on the vector width; each instruction set's file
// writes the three steps and the choice with its own intrinsics.
#pragma once

namespace blazemere::fire::kernels {

inline constexpr double kSixth = 0x1.5555555555555p-3;  // RN(1/6) = (1/6)(1 - 2^-54)
static_assert(kSixth == 1.0 / 6.0, "the double nearest 1/6");

}  // namespace blazemere::fire::kernels
