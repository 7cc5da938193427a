// Which of the fire's inner loops runs: the plain C++ one that every
// processor runs, or one written for a wider x86-64 instruction set, chosen
// once from what the processor reports. All give the same bits.
#pragma once

#include <string_view>

namespace blazemere::fire {

enum class FireKernel {
  kPortable,  // plain C++; SSE2 on any x86-64
  kAvx2,      // x86-64 with AVX2 (Haswell and later)
  kAvx512,    // x86-64 with AVX-512 F, VL, BW, DQ and VBMI (Ice Lake and later)
};

inline constexpr FireKernel kFireKernels[] = {FireKernel::kPortable, FireKernel::kAvx2, FireKernel::kAvx512};

// Whether this build holds `kernel` and this processor can run it.
[[nodiscard]] bool FireKernelRuns(FireKernel kernel);

// The widest kernel that runs here, decided on first use.
[[nodiscard]] FireKernel FastestFireKernel();

[[nodiscard]] std::string_view FireKernelName(FireKernel kernel);

}  // namespace blazemere::fire
