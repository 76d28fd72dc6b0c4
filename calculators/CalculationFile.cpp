#include "calculators/CalculationFile.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include <nlohmann/json.hpp>

namespace ferrolab {
namespace {

using Json = nlohmann::ordered_json;

int MajorOf(const std::string& version) {
    int major = 0;
    for (const char c : version) {
        if (c < '0' || c > '9') {
            break;
        }
        major = major * 10 + (c - '0');
        if (major > 100000) {
            break;
        }
    }
    return major;
}

CalculationFileResult Refuse(std::string why) {
    return CalculationFileResult{std::nullopt, std::move(why)};
}

} // namespace

const char* ProgramVersion() {
    return FERROLAB_VERSION;
}

CalculationFileResult ReadCalculationFile(std::string_view text, std::string_view expectedId) {
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& error) {
        return Refuse(std::string("文件不是有效的计算文件（JSON 格式错误）：") + error.what());
    }
    if (!root.is_object()) {
        return Refuse("文件不是有效的计算文件：最外层应为 JSON 对象");
    }
    const auto calculator = root.find("calculator");
    if (calculator == root.end() || !calculator->is_string()) {
        return Refuse("文件中没有注明计算器（\"calculator\"）");
    }
    const std::string id = calculator->get<std::string>();
    const Calculator* row = FindCalculator(id);
    if (!row) {
        return Refuse("文件中的计算器 " + id + " 不存在");
    }
    if (!expectedId.empty() && id != expectedId) {
        return Refuse("该文件是计算器 " + id + " 的计算，不能用于 " + std::string(expectedId));
    }
    if (const auto version = root.find("version"); version != root.end()) {
        if (!version->is_string()) {
            return Refuse("文件中的版本号（\"version\"）应为文本");
        }
        const std::string saved = version->get<std::string>();
        if (MajorOf(saved) > MajorOf(ProgramVersion())) {
            return Refuse("该文件由较新的版本 " + saved + " 保存，本程序（" + ProgramVersion() +
                          "）不能打开");
        }
    }
    const auto inputs = root.find("inputs");
    if (inputs == root.end() || !inputs->is_object()) {
        return Refuse("文件中没有输入数据（\"inputs\"）");
    }
    const Description& description = row->description();
    CalculationFile file{row, {}};
    for (const auto& [name, value] : inputs->items()) {
        const FieldSpec* field = description.Find(name);
        if (!field) {
            return Refuse("未知的输入项 " + name + "（计算器 " + id + " 没有这一项）");
        }
        if (!value.is_string()) {
            return Refuse("输入项 " + name + " 的值应为文本，例如 \"12.5\"");
        }
        const std::string text = value.get<std::string>();
        // A field's own default is always taken back (a blank "left out" among them).
        if (!field->allowed.empty() && text != field->defaultValue &&
            IndexOf(field->allowed, text) < 0) {
            return Refuse("输入项 " + name + " 的值 " + text + " 不在可选列表中（" +
                          Joined(field->allowed) + "）");
        }
        file.inputs[name] = text;
    }
    return CalculationFileResult{std::move(file), {}};
}

std::string CalculationFileText(const Description& description, const FieldValues& values,
                                const std::string& savedUtc) {
    Json inputs = Json::object();
    for (const FieldSpec& field : description.fields) {
        const auto it = values.find(field.name);
        inputs[field.name] = it == values.end() ? field.defaultValue : it->second;
    }
    const auto edition = values.find("edition");
    const Json root = {{"calculator", description.id},
                       {"edition", edition == values.end() ? Json(nullptr) : Json(edition->second)},
                       {"inputs", inputs},
                       {"saved", savedUtc},
                       {"version", ProgramVersion()}};
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string UtcNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

} // namespace ferrolab
