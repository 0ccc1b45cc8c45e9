// How the process's heap treats freed memory.
#pragma once

// Keeps memory freed after one picture of a batch for the next rather than handing it back to the
// system and faulting the same pages in again, which took a sixth of a thumbnail export's time.
// Both programs call it once at start, before any thread runs.
void KeepFreedMemoryForReuse();
