// Parses the inspector's command line, prints its help and runs the chosen command.
#include "tools/inspector/inspector.h"

#include <algorithm>
#include <cstdlib>
#include <iomanip>

#include <UIResource/UIResourceVersion.h>

#include "tools/inspector/inspector_commands.h"
#include "tools/inspector/resource_description.h"

namespace uitools {

namespace {

// What a command writes with -o: nothing, a PNG picture, or any bytes.
enum class Output { kNone, kPicture, kBytes };

struct CommandInfo {
    const char* name;
    int (*run)(const CommandContext&);
    size_t operands;  // how many operands the command takes
    Output output;
    const char* usage;
    const char* summary;  // one line for the general help
    const char* help;
};

const CommandInfo kCommands[] = {
    {"list", listCommand, 0, Output::kNone, "list",
     "the catalogue of resources",
     "Lists every resource: type, id, the name the module's table gives it (the module only),\n"
     "language, size in bytes and what it holds."},
    {"show", showCommand, 1, Output::kNone, "show ID",
     "a template or the menu as text",
     "Shows dialog template or menu ID as text: kind, style with named flags, font, size and one row\n"
     "per control (number, id, class, rectangle in dialog units, caption, named styles; extended\n"
     "style, help id and creation data when any is set). Texts are quoted with C's escapes, \\xHH\n"
     "for bytes outside printable ASCII. An advance table (FONTSIZE, 256 bytes) is shown as a grid\n"
     "of 16 x 16 codes; any other resource with that id is summarised with its first bytes. ID is a\n"
     "number (\"109\" or \"#109\"), a name, or for the module the name that list shows (\"edit-mesh\")."},
    {"render", renderCommand, 1, Output::kPicture, "render ID -o FILE.png [--scale N]",
     "a picture of a dialog template",
     "Draws dialog template ID as the dialog manager lays it out (dialog units converted to pixels\n"
     "with the template font's base units), frame, title bar and controls, every text set in the\n"
     "module's bitmap font. --scale enlarges the picture N times (1 to 8, default 1). -o - writes the\n"
     "PNG to standard output."},
    {"font", fontCommand, 0, Output::kPicture, "font -o FILE.png [--scale N]",
     "the font atlas, enlarged",
     "Draws the module's font atlas enlarged (default 3 times), one cell per character code with a\n"
     "grid; each row is labelled with its first code, each column with its offset, each cell with\n"
     "its code below it. -o - writes the PNG to standard output."},
    {"text", textCommand, 1, Output::kPicture, "text TEXT -o FILE.png [--scale N]",
     "text set in the module's font",
     "Sets TEXT in the module's font with its advance table (default scale 2). TEXT is UTF-8; the font\n"
     "has the characters of code page 1252 and any other is refused. The escapes \\n, \\r, \\t, \\\\\n"
     "and \\xHH (a code page byte as it is) are understood. Tab moves the pen by its advance (40\n"
     "pixels), line feed starts a new line, carriage return goes back to the start of the line (so\n"
     "CR LF is one break); the advance table gives all three no glyph. -o - writes the PNG to\n"
     "standard output."},
    {"extract", extractCommand, 2, Output::kBytes, "extract TYPE ID -o FILE",
     "a resource's bytes (TGA as PNG)",
     "Writes the bytes of resource ID of type TYPE to FILE. TYPE is a name (FONTDATA, DIALOG, MENU,\n"
     "...) or a number. When FILE ends in .png and the resource is a TGA picture, it is converted\n"
     "to PNG. -o - writes the bytes as they are to standard output."},
};

const CommandInfo* findCommand(const std::string& name) {
    for (const CommandInfo& command : kCommands) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

void printGeneralHelp(std::ostream& out) {
    out << "uiresource: inspects and renders the resources of the UIResource module.\n\n"
           "usage: uiresource [--res FILE.res] COMMAND [ARGUMENTS] [-o FILE]\n\n"
           "commands:\n";
    for (const CommandInfo& command : kCommands) {
        out << "  " << std::left << std::setw(38) << command.usage << command.summary << "\n";
    }
    out << std::right
        << "\noptions:\n"
           "  --res FILE.res   read a compiled resource file instead of the module's own resources\n"
           "                   (text is always set in the module's own font)\n"
           "  -o, --output F   the file a command writes; - for standard output\n"
           "  -h, --help       this help, or a command's help: uiresource COMMAND --help\n"
           "  --version        the version of UIResource this program belongs to\n\n"
           "exit status: 0 done, 1 the command failed, 2 the command line is wrong\n";
}

void printCommandHelp(const CommandInfo& command, std::ostream& out) {
    out << "usage: uiresource [--res FILE.res] " << command.usage << "\n\n" << command.help << "\n";
}

bool takeValue(const std::vector<std::string>& args, size_t& i, std::string& value, std::string& error) {
    if (i + 1 >= args.size()) {
        error = "option " + args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool parseScale(const std::string& text, int& scale, std::string& error) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 8) {
        error = "--scale takes a whole number from 1 to 8, not \"" + text + "\"";
        return false;
    }
    scale = static_cast<int>(value);
    return true;
}

bool parseOption(const std::vector<std::string>& args, size_t& i, Invocation& invocation, std::string& error) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == "-h" || arg == "--help") return invocation.help = true;
    if (arg == "--version") return invocation.version = true;
    if (arg == "--res") return takeValue(args, i, invocation.resFile, error);
    if (arg == "-o" || arg == "--output") return takeValue(args, i, invocation.output, error);
    if (arg == "--scale") return takeValue(args, i, value, error) && parseScale(value, invocation.scale, error);
    error = "unknown option " + arg;
    return false;
}

bool parseInvocation(const std::vector<std::string>& args, Invocation& invocation, std::string& error) {
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (!parseOption(args, i, invocation, error)) return false;
        } else if (invocation.command.empty()) {
            invocation.command = arg;
        } else {
            invocation.operands.push_back(arg);
        }
    }
    return true;
}

int usageError(std::ostream& err, const std::string& message) {
    err << "uiresource: " << message << " (uiresource --help lists the commands)\n";
    return kExitUsage;
}

int checkOperands(const CommandInfo& command, const Invocation& invocation, std::ostream& err) {
    if (invocation.operands.size() != command.operands) {
        return usageError(err, std::string(command.name) + " takes " + std::to_string(command.operands) +
                                   " argument(s), usage: uiresource " + command.usage);
    }
    if (command.output != Output::kNone && invocation.output.empty()) {
        return usageError(err, std::string(command.name) + " needs -o FILE, usage: uiresource " + command.usage);
    }
    if (command.output == Output::kNone && !invocation.output.empty()) {
        return usageError(err, std::string(command.name) + " writes no file; drop -o");
    }
    if (command.output == Output::kPicture && !invocation.toStandardOutput() && !endsWithPng(invocation.output)) {
        return usageError(err, std::string(command.name) + " writes PNG pictures only; name the output FILE.png "
                                                           "(or - for standard output), not " + invocation.output);
    }
    return kExitDone;
}

int runCommand(const CommandInfo& command, const Invocation& invocation, std::ostream& out, std::ostream& err) {
    if (int status = checkOperands(command, invocation, err)) return status;
    ResourceCatalogue catalogue;
    std::string error;
    bool loaded = invocation.resFile.empty() ? catalogue.loadModule(error)
                                             : catalogue.loadResFile(invocation.resFile, error);
    if (!loaded) {
        err << "uiresource: " << error << "\n";
        return kExitFailed;
    }
    return command.run(CommandContext{invocation, catalogue, out, err});
}

}  // namespace

int runInspector(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Invocation invocation;
    std::string error;
    if (!parseInvocation(args, invocation, error)) return usageError(err, error);
    if (invocation.version) {
        out << "uiresource " << UIRESOURCE_VERSION_STRING << "\n";
        return kExitDone;
    }
    if (invocation.command == "help" && invocation.operands.size() > 1) {
        return usageError(err, "help takes one command at most, usage: uiresource help [COMMAND]");
    }
    if (invocation.command == "help" && invocation.operands.size() == 1) {
        invocation.command = invocation.operands[0];
        invocation.operands.clear();
        invocation.help = true;
    }
    if (invocation.command.empty() || invocation.command == "help") {
        bool asked = invocation.help || invocation.command == "help";
        printGeneralHelp(asked ? out : err);
        return asked ? kExitDone : kExitUsage;
    }
    const CommandInfo* command = findCommand(invocation.command);
    if (command == nullptr) return usageError(err, "unknown command \"" + invocation.command + "\"");
    if (invocation.help) {
        printCommandHelp(*command, out);
        return kExitDone;
    }
    return runCommand(*command, invocation, out, err);
}

int listCommand(const CommandContext& context) {
    const ResourceCatalogue& catalogue = context.catalogue;
    std::ostream& out = context.out;
    // The module's resources carry the names of its table, which the other commands take too.
    bool named = std::any_of(catalogue.entries().begin(), catalogue.entries().end(),
                             [&](const CatalogueEntry& entry) { return catalogue.tableName(entry) != nullptr; });
    out << "Resources of " << catalogue.origin() << ":\n" << std::left << std::setw(24) << "TYPE" << std::setw(8)
        << "ID" << std::setw(named ? 21 : 0) << (named ? "NAME" : "") << std::setw(8) << "LANG" << std::setw(10)
        << "SIZE" << "WHAT\n";
    for (const CatalogueEntry& entry : catalogue.entries()) {
        // A long name pushes the columns after it right rather than running into them.
        out << std::setw(23) << uires::resourceTypeName(entry.type) << ' ' << std::setw(7) << entry.name.describe()
            << ' ';
        if (named) out << std::setw(20) << (catalogue.tableName(entry) ? catalogue.tableName(entry) : "-") << ' ';
        out << std::setw(8) << entry.language << std::setw(10) << entry.size << describeEntry(entry) << "\n";
    }
    out << std::right << catalogue.entries().size() << " resources\n";
    return kExitDone;
}

int showCommand(const CommandContext& context) {
    const std::string& id = context.invocation.operands[0];
    const CatalogueEntry* entry = context.catalogue.findById(context.catalogue.nameArgument(id));
    if (entry == nullptr) {
        context.err << "uiresource: no resource with id " << id << " in " << context.catalogue.origin() << "\n";
        return kExitFailed;
    }
    std::string error;
    if (!showEntry(*entry, context.out, error)) {
        context.err << "uiresource: " << uires::resourceTypeName(entry->type) << " " << id << " is malformed: " << error
                    << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace uitools
