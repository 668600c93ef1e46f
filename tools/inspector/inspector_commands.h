// The parsed command line and the commands the inspector runs, shared by its source files.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/inspector/resource_catalogue.h"

namespace uitools {

struct Invocation {
    std::string command;
    std::vector<std::string> operands;
    std::string resFile;  // --res; empty for the module's own resources
    std::string output;   // -o; "-" for standard output
    int scale = 0;        // --scale; 0 for the command's default
    bool help = false;
    bool version = false;  // --version: print the version and stop

    bool toStandardOutput() const { return output == "-"; }
};

struct CommandContext {
    const Invocation& invocation;
    const ResourceCatalogue& catalogue;
    std::ostream& out;
    std::ostream& err;
};

int listCommand(const CommandContext& context);
int showCommand(const CommandContext& context);
int renderCommand(const CommandContext& context);
int fontCommand(const CommandContext& context);
int textCommand(const CommandContext& context);
int extractCommand(const CommandContext& context);

// Whether a file name ends in .png, in any case.
bool endsWithPng(const std::string& path);

// "C:\n" style escapes of the text command: \n, \r, \t, \\ and \xHH.
std::string unescapeText(const std::string& text);

}  // namespace uitools
