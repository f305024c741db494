// dump and create: a design file as JSON and back.
#include "CliCommand.h"
#include "DesignFile.h"
#include "DesignJson.h"

#include <fstream>
#include <iostream>
#include <sys/stat.h>

namespace {

// The reader takes a missing file for an empty design; on the command line that is a mistake.
bool requireFile(const std::string &fileName)
{
    struct stat st
    {
    };
    if (::stat(fileName.c_str(), &st) != 0) {
        printCliError(fileName + ": no such file");
        return false;
    }
    return true;
}

int dumpDesign(const std::vector<std::string> &arguments)
{
    if (arguments.size() != 1)
        return printCommandUsage("dump");
    const std::string &fileName = arguments[0];
    if (!requireFile(fileName))
        return kExitFailure;
    CaseDesign design;
    // Without an image chooser the stored picture path is reported, not opened.
    readDesignFile(design, fileName);
    std::cout << designToJson(design.fields())
                     .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << '\n';
    return kExitOk;
}

int createDesign(const std::vector<std::string> &arguments)
{
    if (arguments.size() != 2)
        return printCommandUsage("create");
    const std::string &jsonName = arguments[0];
    const std::string &outName = arguments[1];

    nlohmann::ordered_json json;
    if (jsonName == "-") {
        json = nlohmann::ordered_json::parse(std::cin);
    } else {
        if (!requireFile(jsonName))
            return kExitFailure;
        std::ifstream in(jsonName, std::ios::binary);
        if (!in) {
            printCliError("Unable to read " + jsonName);
            return kExitFailure;
        }
        try {
            json = nlohmann::ordered_json::parse(in);
        } catch (const nlohmann::ordered_json::parse_error &e) {
            printCliError(jsonName + ": " + e.what());
            return kExitFailure;
        }
    }

    CaseDesign design; // fields missing from the JSON keep the start-up values
    try {
        DesignFields fields = design.fields();
        applyDesignJson(fields, json);
        design.setFields(fields);
    } catch (const DesignJsonError &e) {
        printCliError(jsonName + ": " + e.what());
        return kExitFailure;
    }
    writeDesignFile(design, outName);
    return kExitOk;
}

const CliCommandRegistration dump {{"dump", "FILE.vnx", "print a design file as JSON", dumpDesign}};
const CliCommandRegistration create {
    {"create", "DESIGN.json OUT.vnx",
     "write a design given as JSON (\"-\" reads stdin) to a design file", createDesign}};

} // namespace
