// The pointer hidden over the fire for the life of the renderer (never
// shown again by us: the process ends with the fire).
#pragma once

// With the fire window made and current.
void HidePointerOverFire();
