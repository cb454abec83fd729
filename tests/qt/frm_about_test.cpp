// The about box: its texts from the label-text file, and the credits behind the picture.
#include "records/qt/frm_about.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>

#include "platform/record_file.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"

namespace {

class CountingSounds : public Sounds {
  public:
    void PlaySound(const std::string& path, bool) override { played.push_back(path); }
    void Beep() override {}
    std::vector<std::string> played;
};

QString Text(FrmAbout& f, const char* name) {
    return f.findChild<QLabel*>(name)->text();
}

}  // namespace

TEST(AboutBox, ShowsTheVersionAndTheLabelTextsAndFlipsTheCredits) {
    TestApp();
    TempProgramFolder folder;
    RecordFile snack(folder.File("Data/snack.ade"), 100);
    for (int r = 19; r <= 28; ++r) {
        RecordBuffer rec(100);
        rec.SetText(0, 100, "text" + std::to_string(r));
        ASSERT_TRUE(snack.Write(r, rec));
    }
    CountingSounds sounds;
    FrmAbout form({folder.path(), 8, 4, 0, &sounds});
    form.show();
    SaveRender(form.grab().toImage(), "frm_about");
    EXPECT_TRUE(Text(form, "lblVersion").startsWith("Version  8. 4. 0\n"));
    EXPECT_TRUE(Text(form, "lblTitle").startsWith("Quorvane: Brivo and Tessik\n"));
    EXPECT_EQ(Text(form, "Label2"), "text22 ");
    EXPECT_EQ(Text(form, "Label3"), "text19 text20 text21 ");
    EXPECT_EQ(Text(form, "lblDis"), "Warning: Highly addictive.\n");
    auto* credit = form.findChild<QLabel*>("credit");
    EXPECT_FALSE(credit->isVisible());
    form.picIcon_Click();
    EXPECT_TRUE(credit->isVisible());
    EXPECT_EQ(credit->text(), "text23 text24 text25 text26 text27 text28 ");
    form.picIcon_Click();
    EXPECT_FALSE(credit->isVisible());
    ASSERT_EQ(sounds.played.size(), 2u);
    EXPECT_EQ(sounds.played[0], folder.File("Data/~119.tmp"));
}
