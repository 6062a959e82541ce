// Run-time errors and the program's end.
#include "console/errors.h"

#include "console/console_state.h"

namespace con {

namespace {

// The console runs on one thread; the call site in force belongs to it.
thread_local const SourceLocation* g_call_site = nullptr;

}  // namespace

CallSite::CallSite(SourceLocation where) noexcept : where_(where), owner_(g_call_site == nullptr) {
    if (owner_) g_call_site = &where_;
}

CallSite::~CallSite() {
    if (owner_) g_call_site = nullptr;
}

const SourceLocation* CallSite::active() noexcept { return g_call_site; }

CallSite::Suspend::Suspend() noexcept : saved_(g_call_site) { g_call_site = nullptr; }

CallSite::Suspend::~Suspend() { g_call_site = saved_; }

RuntimeError::RuntimeError(int number, SourceLocation where)
    : number_(number), line_(where.line()), file_(where.file_name()),
      text_("error " + std::to_string(number) + " at " + where.file_name() + ":" + std::to_string(where.line())) {}

void raise_error(int number, SourceLocation where) {
    const SourceLocation* site = CallSite::active();
    throw RuntimeError(number, site ? *site : where);
}

void end_program() { throw ProgramEnd(ProgramEnd::Reason::Ended); }

}  // namespace con
