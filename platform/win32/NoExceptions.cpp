// This program throws nothing and handles no exception, but the standard
// library's string reports misuse by throwing, which links the exception
// classes, a second string implementation and GCC's verbose terminate handler
// with its demangler: the release doubles, from about 150 to 285 KB. Here a
// misuse or a terminate just ends the process, as an uncaught exception would.
// These are the functions of libstdc++'s functexcept.o that this program
// reaches, checked with Debian 12's MinGW-w64 GCC 12 (win32 threads); a first
// use of another would link functexcept.o again, and tests/footprint-test.sh
// fails on the link map when it, the verbose handler or the demangler come back.
#include <cstdlib>
#include <string>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
}  // namespace std
