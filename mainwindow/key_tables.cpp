#include "mainwindow/key_tables.h"

#include <array>
#include <span>

#include "mainwindow/key_codes.h"

namespace {
using enum KeyAct;

// Keys without a modifier; letters, digits and "=" are looked up by range below.
constexpr std::array kPlainKeys{
    KeyRow{vk::F1, MenuRow, 4, 0},
    KeyRow{vk::F2, MenuRow, 1, 0, KeyWhen::HostOrLocal},
    KeyRow{vk::F3, MenuRow, 1, 9},
    KeyRow{vk::F4, MenuRow, 1, 6, KeyWhen::LocalOnly},
    KeyRow{vk::F5, MenuRow, 2, 0},
    KeyRow{vk::F6, MenuRow, 2, 4},
    KeyRow{vk::F7, MenuRow, 4, 3},
    KeyRow{vk::F8, MenuRow, 4, 4},
    KeyRow{vk::F9, MenuRow, 4, 5},
    // The setup of the players: the opponents' in a local game, the Internet players' in an
    // Internet game, as each menu shows the key.
    KeyRow{vk::F10, MenuRow, 2, 5, KeyWhen::LocalOnly},
    KeyRow{vk::F10, MenuRow, 3, 3, KeyWhen::InternetOnly},
    KeyRow{vk::F11, MenuRow, 3, 0},
    KeyRow{vk::F12, MenuRow, 1, 11},
    KeyRow{vk::End, MenuRow, 2, 2},
    KeyRow{vk::Up, CycleBackground},
    KeyRow{vk::Down, CycleBackground},
    KeyRow{vk::Left, StretchBackground},
    KeyRow{vk::Right, StretchBackground},
    KeyRow{vk::Back, RestartTurn, 0, 0, KeyWhen::LocalOnTurn},
    KeyRow{vk::PageUp, ChatOnTop, 0, 0, KeyWhen::InternetOnly},
};

// Home by its modifier bits: plain, Ctrl, Ctrl+Shift and Ctrl+Shift+Alt.
struct HomeRow {
    i16 shift;
    KeyRow row;
};
constexpr std::array kHomeKeys{
    HomeRow{0, KeyRow{vk::Home, HomeGreeting}},
    HomeRow{2, KeyRow{vk::Home, AnimateCards, 1}},
    HomeRow{3, KeyRow{vk::Home, AnimateCards, 2}},
    HomeRow{7, KeyRow{vk::Home, AnimateCards, 0}},
};

constexpr std::array kCtrlKeys{
    KeyRow{vk::Key('S'), MenuRow, 1, 3, KeyWhen::LocalOnly},
    KeyRow{vk::Key('R'), MenuRow, 1, 4},
    KeyRow{vk::F3, Scores, 1},
    KeyRow{vk::Delete, DeleteQuip},
    KeyRow{vk::F11, SystemInfo},
    KeyRow{vk::F10, LabelNames},
    KeyRow{vk::F9, BackgroundWindow},
    KeyRow{vk::F6, Flash},
    KeyRow{vk::F5, Splash},
    KeyRow{vk::F4, AvatarCall},
};

constexpr std::array kCtrlShiftKeys{
    KeyRow{vk::F3, Scores, 2},
    KeyRow{vk::Key('S'), SaveTutorial},
    KeyRow{vk::Key('R'), RestoreTutorial},
    KeyRow{vk::Key('X'), SampleGames},
    KeyRow{vk::F8, DevMode},
};

struct LetterPicture {
    char letter;
    const char* file;
};
constexpr std::array kEmoticons{
    LetterPicture{'A', "Angry.gif"},       LetterPicture{'B', "Begging.gif"},
    LetterPicture{'C', "Crying.gif"},      LetterPicture{'D', "Dumb_Move.gif"},
    LetterPicture{'E', "Embarrassed.gif"}, LetterPicture{'F', "Hotflash.gif"},
    LetterPicture{'G', "Grinning.gif"},    LetterPicture{'K', "Skull.gif"},
    LetterPicture{'M', "Mischievous.gif"}, LetterPicture{'N', "Noose.gif"},
    LetterPicture{'S', "Sad.gif"},         LetterPicture{'W', "Wink.gif"},
    LetterPicture{'X', "Shoot.gif"},
};

const KeyRow* Find(std::span<const KeyRow> rows, i16 code) {
    for (const KeyRow& r : rows)
        if (r.code == code) return &r;
    return nullptr;
}

const KeyRow* FindMenuRow(std::span<const KeyRow> rows, int menu, int row) {
    for (const KeyRow& r : rows)
        if (r.act == MenuRow && r.a == menu && r.b == row) return &r;
    return nullptr;
}

std::string KeyName(i16 code) {
    if (code >= vk::F1 && code <= vk::F12) return "F" + std::to_string(code - vk::F1 + 1);
    return std::string(1, static_cast<char>(code));
}

// The letter keys and the codes just below them (58-64) show or hide an emoticon.
bool IsEmoticonKey(i16 code) {
    return code >= 58 && code <= vk::Z;
}
}  // namespace

std::string MenuRowKey(int menu, int row) {
    if (const KeyRow* r = FindMenuRow(kPlainKeys, menu, row)) return KeyName(r->code);
    if (const KeyRow* r = FindMenuRow(kCtrlKeys, menu, row)) return "Ctrl+" + KeyName(r->code);
    return {};
}

std::string EmoticonFile(i16 code) {
    for (const LetterPicture& e : kEmoticons)
        if (vk::Key(e.letter) == code) return e.file;
    return {};
}

int OpponentSoundIndex(i16 code) {
    if (code == vk::Equals) return 13;
    if (code == vk::Digit0) return 12;
    if (code > vk::Digit0 && code <= vk::Digit9) return code - vk::Digit0 + 2;
    return -1;
}

const KeyRow* FindKeyRow(i16 code, i16 shift) {
    shift = static_cast<i16>(shift & shift_bit::kMask);
    if (code == vk::Home) {
        for (const HomeRow& h : kHomeKeys)
            if (h.shift == shift) return &h.row;
        return nullptr;
    }
    if (shift == 0) {
        static constexpr KeyRow kEmoticonRow{0, Emoticon};
        static constexpr KeyRow kSoundRow{0, OpponentSound};
        if (IsEmoticonKey(code)) return &kEmoticonRow;
        if (OpponentSoundIndex(code) >= 0) return &kSoundRow;
        return Find(kPlainKeys, code);
    }
    if (shift == shift_bit::Ctrl) return Find(kCtrlKeys, code);
    if (shift == (shift_bit::Ctrl | shift_bit::Shift)) return Find(kCtrlShiftKeys, code);
    return nullptr;
}

// A plain key may have a row for each game state; the first one that may run is taken.
const KeyRow* FindAllowedKeyRow(i16 code, i16 shift, int netConnected, int isHost, int pturn) {
    const KeyRow* row = FindKeyRow(code, shift);
    if (row && row == Find(kPlainKeys, code)) {
        for (const KeyRow& r : kPlainKeys)
            if (r.code == code && KeyAllowed(r.when, netConnected, isHost, pturn)) return &r;
        return nullptr;
    }
    return row && KeyAllowed(row->when, netConnected, isHost, pturn) ? row : nullptr;
}

bool KeyAllowed(KeyWhen when, int netConnected, int isHost, int pturn) {
    switch (when) {
        case KeyWhen::Always:
            return true;
        case KeyWhen::HostOrLocal:
            return netConnected == 0 || isHost == 1;
        case KeyWhen::LocalOnly:
            return netConnected == 0;
        case KeyWhen::LocalOnTurn:
            return netConnected == 0 && pturn == 1;
        case KeyWhen::InternetOnly:
            return netConnected != 0;
    }
    return false;
}
