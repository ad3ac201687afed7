#include "start_conditions.h"

#include "temp_tree.h"

#include <stdexcept>

namespace tw_test {

std::string DisplayWithNoServer()
{
    // Servers listen on the abstract name too, which only /proc/net/unix shows.
    const std::string sockets = ReadFile("/proc/net/unix");
    for (int n = 99; n < 1000; ++n) {
        const std::string number = std::to_string(n);
        const std::string socket = "/tmp/.X11-unix/X" + number;
        const bool abstract = sockets.find("@" + socket + "\n") != std::string::npos;
        if (!Exists(socket) && !Exists("/tmp/.X" + number + "-lock") && !abstract)
            return ":" + number;
    }
    throw std::runtime_error("no free display number");
}

} // namespace tw_test
