#pragma once
// A saved calculation (".ferrolab"): one calculator's inputs as the runner takes them, in UTF-8
// JSON:
//   {"calculator": "fillet-weld-mnv", "edition": null, "inputs": {"hf": "8", ...},
//    "saved": "2026-12-08T09:30:00Z", "version": "2.1.1"}
// The dialogs open and save it, the runner reads it with --inputs and writes it with
// --save-inputs; `--json`'s "inputs" is the same object, so a JSON result can become a file.

#include <optional>
#include <string>
#include <string_view>

#include "calculators/Calculators.h"

namespace ferrolab {

// The program's version, "major.minor.patch".
const char* ProgramVersion();

struct CalculationFile {
    const Calculator* calculator = nullptr;
    // Every field the file names, checked against the calculator's description; fields it does not
    // name are left out (they keep the dialog's or the runner's values).
    FieldValues inputs;
};

struct CalculationFileResult {
    std::optional<CalculationFile> file; // absent when the text was refused
    std::string error;                   // why, in the user's words
};

// Reads a file's text. Refused: text that is no JSON object, a calculator the table does not
// know or other than `expectedId` (when given), a newer major version, an unknown field, a value
// that is not text, or a value outside a field's list.
CalculationFileResult ReadCalculationFile(std::string_view text, std::string_view expectedId = {});

// The file's text for these inputs (every field of the description, in its order), saved at
// `savedUtc` ("YYYY-MM-DDTHH:MM:SSZ").
std::string CalculationFileText(const Description& description, const FieldValues& values,
                                const std::string& savedUtc);

// Now, as `saved` takes it.
std::string UtcNow();

} // namespace ferrolab
