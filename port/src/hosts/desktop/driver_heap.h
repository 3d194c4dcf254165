// How the process's C heap serves the GL driver.
#pragma once

// Keeps freed memory at the top of the heap for reuse instead of giving it back to the system.
// A software driver (llvmpipe) frees its scene's blocks after each scene it draws and allocates
// them again for the next; with the C library's default threshold the heap shrinks and grows at
// every scene, and each page comes back as a page fault that the kernel zeroes, which at thousands
// of draws a frame cost more than the drawing. Setting it again changes nothing; does nothing
// where the C library has no such setting.
void KeepDriverHeap();
