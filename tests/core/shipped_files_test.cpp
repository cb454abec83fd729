// The personalities and sounds the build writes into the staged program folder: every
// personality file reads back whole, names only sounds that are there, and every sound the
// program plays by name exists as a playable WAV file.
#include <gtest/gtest.h>

#include "engine/personality.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/record_io.h"
#include "tests/support/headless_services.h"

namespace {

const std::string kStage = QUORVANE_STAGE_DIR;

bool IsPcmWav(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    return bytes && bytes->size() > 44 && bytes->compare(0, 4, "RIFF") == 0 &&
           bytes->compare(8, 8, "WAVEfmt ") == 0;
}

}  // namespace

TEST(ShippedFiles, EveryPersonalityIsCompleteAndItsSoundsExist) {
    const auto files = ListFiles(JoinPath(kStage, "Data/PMS"), ".pms");
    ASSERT_EQ(files,
              (std::vector<std::string>{"Brivo.pms", "Pellor.pms", "Ruun.pms", "Tessik.pms"}));
    for (const std::string& file : files) {
        PmsRecord pms;
        ASSERT_TRUE(
            ReadRecord(RecordFile(JoinPath(kStage, "Data/PMS/" + file), PmsRecord::kSize), 1, pms));
        for (int i = 0; i <= 35; ++i)
            EXPECT_FALSE(pms.Comments[i].empty()) << file << " line " << i;
        EXPECT_EQ(pms.DefaultAvatar, file.substr(0, file.size() - 4) + ".jpg");
        for (int e = 1; e <= kSoundEvents; ++e)
            for (int set = 0; set <= 1; ++set)
                EXPECT_TRUE(IsPcmWav(JoinPath(kStage, "Sounds/" + pms.Sound(e, set))))
                    << file << " sound " << e;
    }

    // Loaded as the game loads them, no sound falls back to silence.
    Game g;
    g.AppFolder = kStage;
    for (const char* name : {"Brivo", "Tessik", "Ruun", "Pellor"}) {
        SeatRecord seat{name, "", "Default Personality", 0, 1};
        SeatToOpp(g, 1, seat);
        EXPECT_EQ(LoadPersonality(g, 1, 1, nullptr), "");
        EXPECT_EQ(g.Opp[1].Name, name);
        for (int e = 1; e <= kSoundEvents; ++e)
            EXPECT_EQ(g.CompSounds[e].find("empty.wav"), std::string::npos) << name << e;
    }
}

TEST(ShippedFiles, TheBuiltInSoundsAreThere) {
    for (int id = 105; id <= 123; ++id) {
        if (id == 109) continue;
        EXPECT_TRUE(IsPcmWav(JoinPath(kStage, "Data/snd" + std::to_string(id) + ".wav"))) << id;
    }
    for (const char* rel : {"Data/empty.wav", "Sounds/IntroB.wav", "Sounds/slap.wav"})
        EXPECT_TRUE(IsPcmWav(JoinPath(kStage, rel))) << rel;
}
