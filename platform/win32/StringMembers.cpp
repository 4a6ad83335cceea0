// std::string's members, compiled here without exceptions. libstdc++ declares
// std::string an extern template and links its members from string-inst.o,
// which was built with exceptions: its landing pads bring the personality
// routine, the unwinder and every member's frame tables, over 30 KB. This is
// the same explicit instantiation that the library makes there, so the other
// files still call the members out of line, and GCC emits each as a COMDAT
// that the linker takes from here, before it reads the library; the ones no
// one calls are dropped by --gc-sections. The standard leaves instantiating a
// library template on library types to the implementation, so this holds for
// libstdc++ and GCC as checked (Debian 12's MinGW-w64 GCC 12):
// tests/footprint-test.sh fails on the link map when string-inst.o is linked
// again, for a member missing here or a newer library that works otherwise.
#include <string>

template class std::basic_string<char>;
