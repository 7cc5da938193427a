// The multimedia layer on Windows: winmm's own mciSendString, PlaySound and
// waveOutGetNumDevs, no interpreter of ours in between.
// STUB: no layer yet (the host's music on Windows comes next); the saver
// runs without music, as it does where no layer can be made.
#include "platform/mci/multimedia_layer.h"

namespace blazemere::platform {

std::unique_ptr<MultimediaLayer> CreateMultimediaLayer() { return nullptr; }

}  // namespace blazemere::platform
