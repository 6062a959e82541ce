// How a line the shared screens print ends, as each game has it.
#pragma once

namespace morva {

/// Whether a printed line ends with a line end (the cursor to column 0 of the next row) or
/// leaves the cursor behind its text.
enum class LineEnd { Open, Closed };

}  // namespace morva
