// Kernel choice on x86-64: the processor (and the operating system, which
// must save the wider registers) is asked once through the compiler's
// cpuid wrapper.
#include "renderer/core/fire/kernels/fire_kernel_entries.h"

namespace blazemere::fire::kernels {

namespace {

constexpr KernelEntries kPortable{SpreadHeatPortable, HeatToTexelsPortable};
constexpr KernelEntries kAvx2{SpreadHeatAvx2, HeatToTexelsAvx2};
constexpr KernelEntries kAvx512{SpreadHeatAvx512, HeatToTexelsAvx512};

bool ProcessorRunsAvx2() {
  __builtin_cpu_init();  // harmless when already done; needed if asked before static constructors ran
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

bool ProcessorRunsAvx512() {
  return ProcessorRunsAvx2() && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
         __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq") &&
         __builtin_cpu_supports("avx512vbmi");
}

}  // namespace

const KernelEntries* EntriesFor(FireKernel kernel) {
  switch (kernel) {
    case FireKernel::kPortable:
      return &kPortable;
    case FireKernel::kAvx2:
      return ProcessorRunsAvx2() ? &kAvx2 : nullptr;
    case FireKernel::kAvx512:
      return ProcessorRunsAvx512() ? &kAvx512 : nullptr;
  }
  return nullptr;
}

}  // namespace blazemere::fire::kernels
