#pragma once

#include <ostream>
#include <string>
#include <vector>

class CZelkHWI;

// The command-line tool without its process: runs the arguments after the program's name
// against `device` and returns the exit status. Progress goes to whatever message sink is
// installed, under TerminalProgressBar::kWindow.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, CZelkHWI& device);
