// The C++ runtime's default terminate handler prints the type of an escaped
// exception to standard error, which a GUI program does not have, and drags
// the whole symbol demangler into the statically linked executable (about a
// quarter of its size). No exception is meant to escape anyway: the dialog
// procedure and the window procedures catch everything. Defining the handler
// here keeps the runtime's version out of the link.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::abort();
}

}  // namespace __gnu_cxx
