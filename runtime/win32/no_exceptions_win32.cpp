// The program is built without exceptions. What the C++ library would throw (for an impossible size,
// as a rule) is the runtime's fatal error instead, and a terminate prints no demangled type. All of
// the library's throw helpers are here, so that none of its exception classes, string instances or
// its demangler end up in the program file.
#include <cstdlib>

#include "runtime/runtime.h"

namespace {
[[noreturn]] void Fail(const char* what) { rt::FatalError(what && *what ? what : "C++"); }
}  // namespace

namespace std {
void __throw_bad_cast() { Fail("bad_cast"); }
void __throw_bad_alloc() { Fail("分配内存失败!"); }
void __throw_bad_typeid() { Fail("bad_typeid"); }
void __throw_logic_error(const char* what) { Fail(what); }
void __throw_range_error(const char* what) { Fail(what); }
void __throw_domain_error(const char* what) { Fail(what); }
void __throw_length_error(const char* what) { Fail(what); }
void __throw_out_of_range(const char* what) { Fail(what); }
void __throw_bad_exception() { Fail("bad_exception"); }
void __throw_runtime_error(const char* what) { Fail(what); }
void __throw_overflow_error(const char* what) { Fail(what); }
void __throw_underflow_error(const char* what) { Fail(what); }
void __throw_invalid_argument(const char* what) { Fail(what); }
void __throw_out_of_range_fmt(const char* what, ...) { Fail(what); }
void __throw_bad_array_new_length() { Fail("分配内存失败!"); }
}  // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
