#pragma once

// Where a window of `extent` starts when centred in `desktopExtent`: a signed
// division that truncates toward zero, so a window larger than the desktop
// starts at a negative position (a difference of -5 gives -2).
inline int CentredOrigin(int desktopExtent, int extent) { return (desktopExtent - extent) / 2; }
