// GCC's default terminate handler prints the exception's demangled type,
// which links a demangler of some 70 KB. This program throws nothing, so a
// terminate only has to end the process.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
