// The start of both games' disk error handler: the files closed, the disk's own messages.
#pragma once

namespace morva {

/// Closes every file without keeping what an unfinished output file received (the handler
/// runs only after an error, so a save in progress is never committed half written), places
/// the cursor at (24, 23) in yellow and prints the message of a disk error there: no disk
/// (device unavailable, or drive not ready where `not_ready_means_no_disk`), a full disk or a
/// write-protected one. Returns whether it printed one.
bool show_disk_message(int error, bool not_ready_means_no_disk);

}  // namespace morva
