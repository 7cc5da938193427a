// The fixed GL state the fire is drawn in, the same for every renderer
// shell: texturing on, a 45-degree perspective of aspect 1.0 whatever the
// window's shape (a wide window shows the fire stretched), the eye 2 units
// back and a black clear colour.
#pragma once

// Once, with the shell's GL context current. Leaves the projection as the
// current matrix for good: the zoom piles its translations onto it frame
// after frame.
void InitGl();
