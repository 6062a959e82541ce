// Run-time errors and the program's end.
#include "console/errors.h"

#include "console/console_state.h"

namespace con {

RuntimeError::RuntimeError(int number, std::source_location where)
    : number_(number), line_(where.line()), file_(where.file_name()),
      text_("error " + std::to_string(number) + " at " + where.file_name() + ":" + std::to_string(where.line())) {}

void raise_error(int number, std::source_location where) { throw RuntimeError(number, where); }

void end_program() { throw ProgramEnd(ProgramEnd::Reason::Ended); }

}  // namespace con
