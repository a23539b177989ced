// controls.cpp: the players' actions, their default and bound keys, and the controls file.
#include "input/controls.h"
#include "input/config_text.h"
#include "input/key_names.h"
#include "input/keys.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

constexpr const char *ActionNames[ActionCount] = {"up",   "down", "left",    "right",
                                                  "jump", "butt", "controls"};
constexpr int ActionCodes[PlayerCount][ActionCount] = {
    {VK_Up, VK_Down, VK_Left, VK_Right, VK_Insert, VK_Delete, VK_F12},
    {'W', 'S', 'A', 'D', 'T', 'F', VK_F1},
};

// Keys the whole game uses, which no action may take.
struct ReservedKey {
    int code;
    const char *use;
};
constexpr ReservedKey ReservedKeys[] = {
    {VK_Space, "the start key"},    {'N', "the new-game key"},   {VK_Escape, "the quit key"},
    {VK_F11, "the fullscreen key"}, {'U', "a camera key"},       {'O', "a camera key"},
    {'I', "a camera key"},          {'K', "a camera key"},       {'J', "a camera key"},
    {'L', "a camera key"},          {'P', "the pause key"},      {'M', "the mute key"},
    {VK_Minus, "a volume key"},     {VK_Equals, "a volume key"}, {VK_F2, "the key-test key"},
};

// An action of a player, as one index 0 .. PlayerCount * ActionCount - 1.
struct Slot {
    int player, action;
};
std::string slotName(Slot slot) {
    return "cow" + std::to_string(slot.player + 1) + "." + ActionNames[slot.action];
}

// --- Process lifetime: the controls in force and the key translation they make ---
Controls inForce = defaultControls();
int translated[KeyCodeCount];
bool translationMade;

void makeTranslation() {
    for (int code = 0; code < KeyCodeCount; code++)
        translated[code] = code;
    for (int p = 0; p < PlayerCount; p++)
        for (int a = 0; a < ActionCount; a++)
            translated[ActionCodes[p][a]] = 0;
    for (int p = 0; p < PlayerCount; p++)
        for (int a = 0; a < ActionCount; a++)
            for (int key : inForce.keys[p][a])
                if (key >= 0 && key < KeyCodeCount)
                    translated[key] = ActionCodes[p][a];
    translationMade = true;
}

std::string lowerCase(const std::string &text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// "cow2.jump" as a slot; false when it is none.
bool parseSlot(const std::string &text, Slot &slot) {
    const std::string name = lowerCase(text);
    for (int p = 0; p < PlayerCount; p++)
        for (int a = 0; a < ActionCount; a++)
            if (name == slotName({p, a})) {
                slot = {p, a};
                return true;
            }
    return false;
}

// One line the file asks for.
struct Request {
    int line;
    Slot slot;
    std::vector<int> keys;
};

// The standing request that binds `slot`, or null when it keeps its default.
const Request *requestFor(Slot slot, const std::vector<const Request *> &standing) {
    for (const Request *request : standing)
        if (request->slot.player == slot.player && request->slot.action == slot.action)
            return request;
    return nullptr;
}

// Read one line into `request`; false with `reason` when the line is refused, false with an
// empty reason for a blank or comment line.
bool parseLine(const std::string &raw, Request &request, std::string &reason) {
    std::string action, keys;
    switch (splitConfigLine(raw, action, keys)) {
    case ConfigLineKind::Blank:
        return false;
    case ConfigLineKind::NoEquals:
        reason = "expected \"cowN.ACTION = KEY\"";
        return false;
    case ConfigLineKind::Setting:
        break;
    }
    if (!parseSlot(action, request.slot)) {
        reason = "unknown action " + quoted(action) +
                 " (cow1 or cow2, then up, down, left, right, jump, butt or controls)";
        return false;
    }
    std::replace(keys.begin(), keys.end(), ',', ' ');
    size_t at = 0;
    while ((at = keys.find_first_not_of(" \t\r\v\f", at)) != std::string::npos) {
        size_t end = keys.find_first_of(" \t\r\v\f", at);
        const std::string name = keys.substr(at, end == std::string::npos ? end : end - at);
        at = end;
        int code = bindableKeyCode(name);
        if (code < 0) {
            reason = "unknown key " + quoted(name);
            return false;
        }
        for (const ReservedKey &reserved : ReservedKeys)
            if (code == reserved.code) {
                reason = bindableKeyName(code) + " is " + reserved.use + " and cannot be bound";
                return false;
            }
        if (std::find(request.keys.begin(), request.keys.end(), code) == request.keys.end())
            request.keys.push_back(code);
    }
    if (request.keys.empty()) {
        reason = "no key for " + slotName(request.slot);
        return false;
    }
    return true;
}

// The controls from the defaults and the requests still standing; a default key that a request
// binds elsewhere is dropped when it is not the action's own code.
Controls resolve(const std::vector<const Request *> &standing) {
    Controls controls = defaultControls();
    std::vector<int> claimed;
    for (const Request *request : standing) {
        controls.keys[request->slot.player][request->slot.action] = request->keys;
        claimed.insert(claimed.end(), request->keys.begin(), request->keys.end());
    }
    for (int p = 0; p < PlayerCount; p++)
        for (int a = 0; a < ActionCount; a++) {
            if (requestFor({p, a}, standing))
                continue;
            std::vector<int> &keys = controls.keys[p][a];
            keys.erase(std::remove_if(keys.begin(), keys.end(),
                                      [&](int key) {
                                          return key != ActionCodes[p][a] &&
                                                 std::count(claimed.begin(), claimed.end(), key);
                                      }),
                       keys.end());
        }
    return controls;
}

} // namespace

const char *actionName(Action action) {
    return ActionNames[static_cast<int>(action)];
}

int actionCode(int player, Action action) {
    return ActionCodes[player][static_cast<int>(action)];
}

Controls defaultControls() {
    Controls controls;
    for (int p = 0; p < PlayerCount; p++)
        for (int a = 0; a < ActionCount; a++)
            controls.keys[p][a] = {ActionCodes[p][a]};
    controls.keys[0][static_cast<int>(Action::Jump)].push_back(VK_RShift);
    controls.keys[0][static_cast<int>(Action::Butt)].push_back(VK_RControl);
    return controls;
}

Controls readControls(const std::string &text, std::vector<ControlsProblem> &problems) {
    std::vector<Request> requests;
    std::map<int, int> slotLine; // slot index -> the line that bound it
    size_t start = 0;
    for (int number = 1; start <= text.size(); number++) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        Request request{number, {0, 0}, {}};
        std::string reason;
        const bool taken = parseLine(text.substr(start, end - start), request, reason);
        start = end + 1;
        if (!taken) {
            if (!reason.empty())
                problems.push_back({number, reason});
            continue;
        }
        const int index = request.slot.player * ActionCount + request.slot.action;
        if (slotLine.count(index)) {
            problems.push_back({number, slotName(request.slot) + " was bound on line " +
                                            std::to_string(slotLine[index])});
            continue;
        }
        slotLine[index] = number;
        requests.push_back(request);
    }

    // two actions on one key: refuse the latest line involved until no key is shared
    std::vector<const Request *> standing;
    for (const Request &request : requests)
        standing.push_back(&request);
    for (;;) {
        Controls controls = resolve(standing);
        std::map<int, Slot> owner;
        const Request *refused = nullptr;
        std::string reason;
        for (int p = 0; p < PlayerCount; p++)
            for (int a = 0; a < ActionCount; a++)
                for (int key : controls.keys[p][a]) {
                    auto found = owner.find(key);
                    if (found == owner.end()) {
                        owner[key] = {p, a};
                        continue;
                    }
                    // the later of the two lines goes (a default has no line and stays)
                    const Slot first = found->second, second = {p, a};
                    const Request *one = requestFor(first, standing);
                    const Request *two = requestFor(second, standing);
                    const Request *later = !one || (two && two->line > one->line) ? two : one;
                    if (later && (!refused || later->line > refused->line)) {
                        refused = later;
                        reason = bindableKeyName(key) + " is already " +
                                 slotName(later == one ? second : first);
                    }
                }
        if (!refused) {
            std::stable_sort(
                problems.begin(), problems.end(),
                [](const ControlsProblem &a, const ControlsProblem &b) { return a.line < b.line; });
            return controls;
        }
        problems.push_back({refused->line, reason});
        standing.erase(std::find(standing.begin(), standing.end(), refused));
    }
}

std::string writeControls(const Controls &controls) {
    std::string text;
    for (int p = 0; p < PlayerCount; p++)
        for (int a = 0; a < ActionCount; a++) {
            text += slotName({p, a}) + " =";
            for (int key : controls.keys[p][a])
                text += " " + bindableKeyName(key);
            text += "\n";
        }
    return text;
}

void setControls(const Controls &controls) {
    inForce = controls;
    makeTranslation();
}

const Controls &currentControls() {
    return inForce;
}

int gameKeyOf(int code) {
    if (!translationMade)
        makeTranslation();
    return code >= 0 && code < KeyCodeCount ? translated[code] : 0;
}

std::vector<int> physicalKeysOf(int code) {
    std::vector<int> keys;
    for (int key = 0; key < KeyCodeCount; key++)
        if (key != 0 && gameKeyOf(key) == code)
            keys.push_back(key);
    return keys;
}

int shownKeyOf(int code) {
    for (int p = 0; p < PlayerCount; p++)
        for (int a = 0; a < ActionCount; a++)
            if (ActionCodes[p][a] == code)
                return inForce.keys[p][a].empty() ? code : inForce.keys[p][a].front();
    return code;
}
