#include "shared/profile_state.h"

#include "platform/text_codec.h"
#include "platform/vb_strings.h"

std::string StoredPlayerName(const std::string& typed) {
    std::string stored = ToCp1252(Trim(typed));
    if (stored.size() > kPlayerNameWidth) stored.resize(kPlayerNameWidth);
    return Trim(FromCp1252(stored));
}
