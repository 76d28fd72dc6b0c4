#pragma once
// A calculator described once, as data. Its description names every input the way each front
// end needs it: the runner's field name, the label the dialog shows, the kind of input, its unit,
// the presets a value box lists, the opening value and the values allowed. The dialog takes its
// preset lists and opening values from it, the runner its fields, defaults and `--fields`, and a
// program that reads `--fields --json` can build a form from it.
//
// A calculator's run function turns the runner's field values (texts, read like the dialog's
// boxes) into its unit's input, computes, and returns the outcome: the report, the message
// boxes, the code checks, or the reason the values are no valid command.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Check.h"
#include "engine/Notice.h"

namespace ferrolab {

enum class FieldKind {
    Number,    // a value box: any text, read like the box reads it ("12abc" is 12)
    Choice,    // a pick from a list of texts
    Catalogue, // the name of a catalogue section
    Switch,    // on or off; given as "--name" on the command line
    Path,      // a file the run writes
};

// "number", "choice", "catalogue", "switch", "path".
const char* KindName(FieldKind kind);

struct FieldSpec {
    std::string name;                      // the runner's field name, e.g. "hf"
    std::string defaultValue = {};         // the opening value (a switch: "" off, "1" on)
    std::vector<std::string> allowed = {}; // the values allowed; empty: any text
    std::string help = {};                 // one line for --fields
    // A number with allowed values is a choice (Describe sets it).
    FieldKind kind = FieldKind::Number;
    std::string label = {}; // the dialog's label, e.g. "焊脚尺寸 hf"; empty where none
    std::string unit = {};  // e.g. "mm", "kN"; empty where none
    std::vector<std::string> presets = {}; // a value box's list, in order
    std::string control = {};              // the objectName of the dialog's control; empty: none
    // The dialog's texts for the allowed values, in their order, where they differ from the
    // runner's (the list shows "GB50017-2017" for edition=2017); empty: the same texts.
    std::vector<std::string> entries = {};
};

using FieldValues = std::map<std::string, std::string>;

struct Description {
    std::string id;      // kebab-case, e.g. "fillet-weld-mnv"
    std::string caption; // the dialog's caption
    std::vector<FieldSpec> fields;
    // The objectName of the dialog's report box that shows this calculator's report.
    std::string report = "report";

    const FieldSpec* Find(std::string_view name) const;
    const FieldSpec& Field(std::string_view name) const; // the field must exist
    // Every field at its opening value.
    FieldValues Defaults() const;
};

// A value box named after its field, opening on its first preset.
FieldSpec PresetNumberField(const char* name, std::vector<std::string> presets, const char* help,
                            const char* label, const char* unit);

// A list opening on defaultValue, its control named after the field or `control`.
FieldSpec ChoiceField(const char* name, std::vector<std::string> allowed, std::string defaultValue,
                      const char* help, const char* label);
FieldSpec ChoiceField(const char* name, std::vector<std::string> allowed, std::string defaultValue,
                      const char* help, const char* label, const char* control);

// The steel grade a calculator's list "钢号" offers (control "grade"), opening on the first.
FieldSpec GradeField(std::vector<std::string> grades, std::string help = "steel grade");

// A description whose number fields with allowed values are choices.
Description Describe(std::string id, std::string caption, std::vector<FieldSpec> fields);

// What a run gives back.
struct Outcome {
    std::optional<std::string> report = {}; // "\r\n" or "\n" line ends; absent when refused
    std::vector<Notice> notices = {};       // message boxes, in order
    std::vector<Check> checks = {};         // the report's code checks
    // The report stands, but a later step (writing a file) failed.
    bool failed = false;
    // Set when the values are no valid command: the message, one or more lines ending in "\n".
    std::string usage = {};
};

// An outcome for values that are no valid command.
Outcome UsageError(std::string message);

// The entries of a constant list, as a field's allowed values or presets.
std::vector<std::string> TextsOf(std::span<const char* const> list);

// The index of value in the list, -1 when the list does not offer it.
int IndexOf(std::span<const char* const> list, std::string_view value);
int IndexOf(const std::vector<std::string>& list, std::string_view value);

// "a|b|c", the way --fields shows a field's allowed values.
std::string Joined(const std::vector<std::string>& list);

// The usage message for a section name that the section list of a kind does not offer (naming
// the sections it does offer), or nothing when the list offers it.
std::optional<std::string> SectionNotOffered(std::span<const char* const> names,
                                             const std::string& name, const std::string& kind);

} // namespace ferrolab
