// The fake Horalume.exe (fake_horalume) that tests put where a program
// starts the real one: each start is one line of "started.log" beside it.
#pragma once

#include <string>
#include <vector>

namespace testkit {

// The directory each start of the fake in this directory was started in,
// oldest first; empty before the first.
std::vector<std::string> FakeHoralumeStarts(const std::string& directory);
// The fake's log in that directory, so the directory can go.
void DeleteFakeHoralumeLog(const std::string& directory);

} // namespace testkit
