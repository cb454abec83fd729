#include "engine/opp_combos.h"

#include "engine/personality.h"
#include "platform/vb_strings.h"

OppCombos FillOppCombos(const std::vector<std::string>& commentFiles,
                        const std::vector<std::string>& personalities, i16& PersonalityIndex,
                        bool localGame, const std::string& NetCommentFile) {
    OppCombos c;
    c.CboComment.push_back(kDefaultComments);
    c.CboComment.insert(c.CboComment.end(), commentFiles.begin(), commentFiles.end());
    c.CboComment.push_back(kNoComments);
    c.CboOpponent = personalities;
    // An index equal to the number of entries is already past the last one.
    if (PersonalityIndex < 0 || PersonalityIndex >= static_cast<int>(c.CboOpponent.size()))
        PersonalityIndex = 0;
    if (localGame || NetCommentFile.empty()) {
        c.OpponentIndex = PersonalityIndex;
    } else {
        c.OpponentIndex = -1;
        c.OpponentText = NetCommentFile;
    }
    return c;
}

SeatCommentChoice SyncSeatComment(Game& g, SeatRecord& s, const OppCombos& combos,
                                  RecordsPort* records) {
    SeatCommentChoice choice;
    const std::string set = Trim(s.Comments);
    if (set == kDefaultComments) return choice;
    if (set == kNoComments) {
        choice.index = static_cast<int>(combos.CboComment.size()) - 1;
        return choice;
    }
    if (CommentFilePath(g.AppFolder, set)) {
        choice.index = -1;
        choice.text = set;
        return choice;
    }
    s.Comments = kDefaultComments;
    choice.profileWriteFailed = records && !records->SaveProfile();
    return choice;
}
