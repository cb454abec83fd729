#include "records/save_slots.h"

#include "platform/text_codec.h"
#include "platform/vb_strings.h"

namespace {

constexpr const char* kNetMark = "^^";

bool SaveModeOf(const SaveDialogState& st) {
    return st.mode != SaveMode::Restore;
}

std::string WithoutNetMark(const std::string& title) {
    return IsNetSaveTitle(title) ? title.substr(2) : title;
}

}  // namespace

bool IsNetSaveTitle(const std::string& title) {
    return title.rfind(kNetMark, 0) == 0;
}

SaveDialogState SaveListFor(bool internetGame, const std::array<std::string, 11>& titles) {
    SaveDialogState st;
    st.mode = internetGame ? SaveMode::NetSave : SaveMode::Save;
    for (int k = 1; k <= save_records::kSlots; ++k) {
        const std::string t = Trim(titles[k]);
        st.titles[k] = t.empty() ? "game " + Str(k) : WithoutNetMark(t);
        st.boxes[k] = {st.titles[k], true, SlotLook::Rest};
    }
    st.boxes[save_records::kAutoSlot] = {"autosaved game", false, SlotLook::Rest};
    return st;
}

SaveDialogState RestoreListFor(const std::array<GameStateRecord, 12>& records, long recordCount,
                               bool internetGame, bool moveHistoryOn) {
    SaveDialogState st;
    st.mode = SaveMode::Restore;
    for (int k = 1; k <= save_records::kAutoSlot; ++k) {
        SlotBox& box = st.boxes[k];
        box.enabled = false;
        if (k > recordCount || !HoldsGame(records[k])) continue;
        box.enabled = true;
        box.text = WithoutNetMark(Trim(records[k].Title));
    }
    st.boxes[save_records::kAutoSlot].text = "AutoSave";
    st.autoSaveShown = !internetGame;
    st.autoSaveTicked = st.autoSaveShown && moveHistoryOn;
    return st;
}

std::string ProposedTitle(SaveMode mode, const SaveContext& ctx) {
    const std::string players = std::to_string(ctx.numPlayers) + "P_";
    if (mode == SaveMode::Save) return players;
    const std::string& other = ctx.isHost ? ctx.opponentName : ctx.hostPlayerName;
    return "NET" + players + ctx.dateText + "_" + ctx.timeText + other;
}

void SlotPressed(SaveDialogState& st, int slot, const SaveContext& ctx) {
    if (slot < 1 || slot > save_records::kAutoSlot) return;
    if (st.mode == SaveMode::Save && ctx.netConnected == 0) st.boxes[slot].text.clear();
}

std::string SlotClicked(SaveDialogState& st, int slot, const SaveContext& ctx,
                        const GameStateRecord& clickedRecord, bool& secureSave) {
    if (slot < 1 || slot > save_records::kAutoSlot || !st.boxes[slot].enabled) return "";
    st.hint.clear();
    if (st.selSlot != 0) st.boxes[st.selSlot].look = SlotLook::Rest;
    if (SaveModeOf(st)) {
        for (int k = 1; k <= save_records::kSlots; ++k) st.boxes[k].text = st.titles[k];
        st.boxes[slot].look = SlotLook::Chosen;
        st.boxes[slot].text = ProposedTitle(st.mode, ctx);
        st.selSlot = slot;
        return "";
    }
    st.boxes[slot].look = SlotLook::Highlight;
    st.selSlot = slot;
    secureSave = false;
    if (!IsNetSaveTitle(clickedRecord.Title)) return "";
    if (ctx.netConnected == 0 && !ctx.devMode) {
        st.boxes[slot].look = SlotLook::Rest;
        st.selSlot = 0;
        return kNetRestoreRefusal;
    }
    if (ctx.netConnected >= 1) secureSave = true;
    return "";
}

std::optional<SaveChoice> Confirm(SaveDialogState& st, const SaveContext& ctx) {
    if (st.selSlot == 0) {
        st.hint = "Select a game slot!";
        return std::nullopt;
    }
    SlotBox& box = st.boxes[st.selSlot];
    box.look = SlotLook::Rest;
    if (Trim(box.text).empty()) box.text = "saved game" + Str(st.selSlot);
    SaveChoice choice{st.selSlot, Trim(box.text)};
    if (ctx.netConnected != 0 && st.mode == SaveMode::NetSave)
        choice.title = kNetMark + choice.title;
    return choice;
}

bool CancelAsks(const SaveDialogState& st) {
    return SaveModeOf(st) && st.selSlot != 0;
}

std::optional<int> PreviousTurnRecord(int moveCounter) {
    if (moveCounter == 0) return std::nullopt;
    return moveCounter % 2 != 0 ? 11 : 12;
}

std::optional<int> RestoreRecordFor(int slot, int moveCounter) {
    if (slot == save_records::kAutoSlot) return PreviousTurnRecord(moveCounter);
    return slot;
}

std::string StoredTitle(const std::string& title) {
    const std::string bytes = ToCp1252(title);
    return bytes.size() <= 30 ? title : FromCp1252(bytes.substr(0, 30));
}
