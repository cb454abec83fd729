// The first opponent taken over by the table: its name, and its place among the personalities
// of the program folder.
#include "mainwindow/change_person.h"

#include <gtest/gtest.h>

#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/pms_record.h"
#include "shared/record_io.h"
#include "tests/core/temp_folder.h"

TEST(ChangePerson, TheFirstOpponentsPlaceInThePersonalityList) {
    TempProgramFolder f;
    // Listed as Brivo, Ruun, Tessik, Pellor: the default first, Pellor last.
    for (const char* file : {"Brivo.pms", "Tessik.pms", "Ruun.pms", "Pellor.pms"})
        ASSERT_TRUE(WriteRecord(
            RecordFile(f.File(std::string("Data/PMS/") + file), PmsRecord::kSize), 1, PmsRecord{}));
    const struct {
        const char* name;
        int index;
    } cases[] = {
        {"Brivo", 0},  {"Ruun", 1},   {"Tessik", 2},
        {"Pellor", 3}, {"tessik", 4},  // names are matched exactly
        {"Zed", 4},                    // no such personality: past the list's end
    };
    for (const auto& c : cases) {
        Game g;
        g.AppFolder = f.path();
        g.Opp[1].Name = c.name;
        g.PersonalityIndex = 9;
        TableLayout layout(15360, false);
        ChangePerson(g, layout);
        EXPECT_EQ(g.PersonalityIndex, c.index) << c.name;
        EXPECT_EQ(layout.Ctl("Label9", 4).Caption, c.name);
    }
}
