// Kernel choice where only the plain C++ loops are built (not x86-64).
#include "renderer/core/fire/kernels/fire_kernel_entries.h"

namespace blazemere::fire::kernels {

namespace {
constexpr KernelEntries kPortable{SpreadHeatPortable, HeatToTexelsPortable};
}  // namespace

const KernelEntries* EntriesFor(FireKernel kernel) { return kernel == FireKernel::kPortable ? &kPortable : nullptr; }

}  // namespace blazemere::fire::kernels
