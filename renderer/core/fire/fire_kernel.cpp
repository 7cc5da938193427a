// Kernel choice: see fire_kernel.h.
#include "renderer/core/fire/fire_kernel.h"

#include "renderer/core/fire/kernels/fire_kernel_entries.h"

namespace blazemere::fire {

namespace kernels {

const KernelEntries& EntriesOrPortable(FireKernel kernel) {
  const KernelEntries* entries = EntriesFor(kernel);
  return entries != nullptr ? *entries : *EntriesFor(FireKernel::kPortable);
}

}  // namespace kernels

bool FireKernelRuns(FireKernel kernel) { return kernels::EntriesFor(kernel) != nullptr; }

FireKernel FastestFireKernel() {
  static const FireKernel fastest = [] {
    for (const FireKernel kernel : {FireKernel::kAvx512, FireKernel::kAvx2})
      if (FireKernelRuns(kernel)) return kernel;
    return FireKernel::kPortable;
  }();
  return fastest;
}

std::string_view FireKernelName(FireKernel kernel) {
  switch (kernel) {
    case FireKernel::kPortable:
      return "portable";
    case FireKernel::kAvx2:
      return "avx2";
    case FireKernel::kAvx512:
      return "avx512";
  }
  return "unknown";
}

}  // namespace blazemere::fire
