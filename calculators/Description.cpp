#include "calculators/Description.h"

#include <algorithm>
#include <stdexcept>

namespace ferrolab {

const char* KindName(FieldKind kind) {
    switch (kind) {
    case FieldKind::Number:
        return "number";
    case FieldKind::Choice:
        return "choice";
    case FieldKind::Catalogue:
        return "catalogue";
    case FieldKind::Switch:
        return "switch";
    case FieldKind::Path:
        return "path";
    }
    return "number";
}

const FieldSpec* Description::Find(std::string_view name) const {
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [&](const FieldSpec& field) { return field.name == name; });
    return it == fields.end() ? nullptr : &*it;
}

const FieldSpec& Description::Field(std::string_view name) const {
    if (const FieldSpec* field = Find(name)) {
        return *field;
    }
    throw std::logic_error("no field " + std::string(name) + " in " + id);
}

FieldValues Description::Defaults() const {
    FieldValues values;
    for (const FieldSpec& field : fields) {
        values[field.name] = field.defaultValue;
    }
    return values;
}

FieldSpec PresetNumberField(const char* name, std::vector<std::string> presets, const char* help,
                            const char* label, const char* unit) {
    FieldSpec field{.name = name,
                    .defaultValue = presets.front(),
                    .help = help,
                    .label = label,
                    .unit = unit,
                    .presets = std::move(presets),
                    .control = name};
    return field;
}

FieldSpec ChoiceField(const char* name, std::vector<std::string> allowed, std::string defaultValue,
                      const char* help, const char* label) {
    return ChoiceField(name, std::move(allowed), std::move(defaultValue), help, label, name);
}

FieldSpec ChoiceField(const char* name, std::vector<std::string> allowed, std::string defaultValue,
                      const char* help, const char* label, const char* control) {
    FieldSpec field{.name = name,
                    .defaultValue = std::move(defaultValue),
                    .allowed = std::move(allowed),
                    .help = help,
                    .label = label,
                    .control = control};
    return field;
}

FieldSpec GradeField(std::vector<std::string> grades, std::string help) {
    std::string first = grades.front();
    return ChoiceField("grade", std::move(grades), std::move(first), help.c_str(), "钢号");
}

Description Describe(std::string id, std::string caption, std::vector<FieldSpec> fields) {
    for (FieldSpec& field : fields) {
        if (field.kind == FieldKind::Number && !field.allowed.empty()) {
            field.kind = FieldKind::Choice;
        }
    }
    return Description{std::move(id), std::move(caption), std::move(fields), "report"};
}

Outcome UsageError(std::string message) {
    Outcome outcome;
    outcome.usage = std::move(message);
    return outcome;
}

std::vector<std::string> TextsOf(std::span<const char* const> list) {
    return {list.begin(), list.end()};
}

int IndexOf(std::span<const char* const> list, std::string_view value) {
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const char* entry) { return value == entry; });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

int IndexOf(const std::vector<std::string>& list, std::string_view value) {
    const auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

std::string Joined(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& item : list) {
        text += (text.empty() ? "" : "|") + item;
    }
    return text;
}

std::optional<std::string> SectionNotOffered(std::span<const char* const> names,
                                             const std::string& name, const std::string& kind) {
    if (IndexOf(names, name) >= 0) {
        return std::nullopt;
    }
    std::string message = "ferrolab-calc: '" + name + "' is not a section of " + kind + "; one of:";
    for (const char* n : names) {
        message += ' ';
        message += n;
    }
    return message + '\n';
}

} // namespace ferrolab
