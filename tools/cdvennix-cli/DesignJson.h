#pragma once

#include "CaseDesign.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

// A design as JSON: every field a design file holds, colours as their colour text, placement
// and alignments as words ("none", "folderOnly", "caseOnly", "both"; "left", "center",
// "right"). Styles are keyed "folderTitle", "folderContents", "caseTitle", "caseContents".
nlohmann::ordered_json designToJson(const DesignFields &design);

// Raised for JSON that does not describe a design; the message names the field.
class DesignJsonError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Sets the fields the JSON gives; the others keep their values. Unknown fields, wrong types,
// unreadable colours and texts with line breaks are errors.
void applyDesignJson(DesignFields &design, const nlohmann::ordered_json &json);
