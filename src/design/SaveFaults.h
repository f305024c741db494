#pragma once

#include <functional>

// A seam for tests: makes one of the system calls of a save fail, or ends the process there, to
// show that a save interrupted at any point leaves the old file or the new one, whole. The
// program never sets it.
namespace save_faults {

// The calls of a save, in the order they are made: create the temporary file, give it the old
// file's permissions, write it (once per chunk), flush it, close it, rename it over the old
// file, and flush the folder.
enum class Call { Open, Chmod, Write, Sync, Close, Rename, SyncFolder };

// Called before each of those calls; returning true makes the call fail with EIO. An empty
// hook (the default) fails nothing.
using Hook = std::function<bool(Call)>;
void setHook(Hook hook);

} // namespace save_faults
