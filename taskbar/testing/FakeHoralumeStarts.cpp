#include "taskbar/testing/FakeHoralume.h"

#include <cstdio>
#include <fstream>

namespace testkit {

static std::string LogIn(const std::string& directory)
{
    return directory + "\\started.log";
}

std::vector<std::string> FakeHoralumeStarts(const std::string& directory)
{
    std::vector<std::string> starts;
    std::ifstream log(LogIn(directory), std::ios::binary);
    std::string line;
    // A line without its end is still being written.
    while (std::getline(log, line) && !log.eof()) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        starts.push_back(line);
    }
    return starts;
}

void DeleteFakeHoralumeLog(const std::string& directory)
{
    std::remove(LogIn(directory).c_str());
}

} // namespace testkit
