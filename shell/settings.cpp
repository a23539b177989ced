// settings.cpp: the table of the settings file's lines, reading it and writing it back.
#include "shell/settings.h"
#include "input/config_text.h"
#include "shell/config_files.h"
#include "shell/detail.h"
#include "shell/volume.h"

#include <cstdio>
#include <strings.h>
#include <sys/stat.h>

namespace {

constexpr const char *FileName = "settings.conf";

// Every line of the file, in the order a new file lists them.
const Setting Settings[] = {
    {"volume", takeVolumeSetting, volumeSetting},
    {"muted", takeMutedSetting, mutedSetting},
    {"detail", takeDetailSetting, detailSetting},
};
constexpr int SettingCount = sizeof Settings / sizeof Settings[0];

// The row named `name` (in any letter case), or -1.
int settingIndex(const std::string &name) {
    for (int i = 0; i < SettingCount; i++)
        if (strcasecmp(name.c_str(), Settings[i].name) == 0)
            return i;
    return -1;
}

// Call `line(number, text)` for each line of `text` (without its line feed); the text after the
// last line feed is a line when it is not empty.
template <typename LineFunction> void eachLine(const std::string &text, LineFunction line) {
    size_t start = 0;
    for (int number = 1; start < text.size(); number++) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        line(number, text.substr(start, end - start));
        start = end + 1;
    }
}

std::string settingLine(int index) {
    return std::string(Settings[index].name) + " = " + Settings[index].current();
}

} // namespace

void readSettings(const std::string &text, std::vector<SettingsProblem> &problems) {
    int seenOn[SettingCount] = {};
    eachLine(text, [&](int number, const std::string &line) {
        std::string name, value, reason;
        switch (splitConfigLine(line, name, value)) {
        case ConfigLineKind::Blank:
            return;
        case ConfigLineKind::NoEquals:
            problems.push_back({number, "expected \"NAME = VALUE\""});
            return;
        case ConfigLineKind::Setting:
            break;
        }
        const int index = settingIndex(name);
        if (index < 0) {
            std::string known;
            for (const Setting &setting : Settings)
                known += std::string(known.empty() ? "" : ", ") + setting.name;
            problems.push_back({number, "unknown setting " + quoted(name) + " (" + known + ")"});
        } else if (seenOn[index]) {
            problems.push_back({number, std::string(Settings[index].name) + " was set on line " +
                                            std::to_string(seenOn[index])});
        } else if (!Settings[index].take(value, reason)) {
            problems.push_back({number, reason});
        } else {
            seenOn[index] = number;
        }
    });
}

std::string updatedSettings(const std::string &text) {
    std::string updated;
    bool written[SettingCount] = {};
    eachLine(text, [&](int, const std::string &line) {
        std::string name, value;
        const int index =
            splitConfigLine(line, name, value) == ConfigLineKind::Setting ? settingIndex(name) : -1;
        if (index < 0) {
            updated += line + "\n";
            return;
        }
        if (written[index])
            return; // a second line of a setting: the first one holds the value now
        written[index] = true;
        const size_t comment = line.find('#');
        updated += settingLine(index) +
                   (comment == std::string::npos ? "" : " " + line.substr(comment)) + "\n";
    });
    if (text.empty())
        updated = "# Pasturon's settings; the game writes the values in force here.\n";
    for (int i = 0; i < SettingCount; i++)
        if (!written[i])
            updated += settingLine(i) + "\n";
    return updated;
}

std::string settingsFilePath() {
    return configFilePath(FileName);
}

void loadSettingsFile() {
    std::string text;
    if (!readConfigFile(settingsFilePath(), FileName, text))
        return;
    std::vector<SettingsProblem> problems;
    readSettings(text, problems);
    for (const SettingsProblem &problem : problems)
        std::fprintf(stderr, "%s, line %d: %s\n", FileName, problem.line, problem.reason.c_str());
}

bool saveSettingsFile() {
    const std::string path = settingsFilePath();
    if (path.empty())
        return false; // nowhere to keep them: they last as long as the game
    std::string text, error;
    struct stat status;
    // keep what the player wrote into it; a file the game would not read is not replaced
    if (stat(path.c_str(), &status) == 0 && !readConfigFile(path, FileName, text)) {
        std::fprintf(stderr, "%s: left as it is; the settings are not saved\n", FileName);
        return false;
    }
    if (writeFileAtomically(path, updatedSettings(text), error))
        return true;
    std::fprintf(stderr, "%s: %s\n", FileName, error.c_str());
    return false;
}
