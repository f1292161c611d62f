// The platform services that Linux gives without SDL: processes, programs and the local clock.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace forms {

// The command names of the running processes, read from <proc_root>/<pid>/comm;
// nullopt when proc_root cannot be read.
std::optional<std::vector<std::string>> ListProcessNames(const std::string& proc_root = "/proc");

// Starts the program file at path without arguments and without waiting for it;
// false when the file does not exist or cannot be started.
bool SpawnProgram(const std::string& path);

// Collects the programs started by SpawnProgram that have ended (so none lingers as a zombie).
void ReapPrograms();

// Seconds since the local midnight, with the fraction.
double LocalSecondsSinceMidnight();

}  // namespace forms
