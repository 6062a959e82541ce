// The disk's own messages, which both games' disk error handler shows.
#pragma once

namespace morva {

/// Places the cursor at (24, 23) in yellow and prints the message of a disk error there: no
/// disk (device unavailable, or drive not ready where `not_ready_means_no_disk`), a full disk
/// or a write-protected one. Returns whether it printed one.
bool show_disk_message(int error, bool not_ready_means_no_disk);

}  // namespace morva
