// The chat window driven through its own controls, as a player types and clicks.
#include "net/qt/frm_chat.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include "net/qt/emoticon_art.h"
#include "platform/file_util.h"
#include "tests/core/fake_chat_link.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct ChatWindow : ::testing::Test {
    QApplication& app = TestApp();
    TempProgramFolder dir;
    CallLog log;
    ScriptedDialogs dialogs{log};
    RecordingSounds sounds{log};
    ChatSeq seq;
    ChatSoundSet sets{};
    FakeChatLink link;

    ChatWindow() {
        WriteEmoticons(QString::fromStdString(dir.File("Icons")), nullptr);
        WriteFileAtomically(dir.File("Sounds/slap.wav"), "RIFF", nullptr);
    }
    ChatWindowParts Parts() {
        ChatWindowParts parts{dir.path(), link, sounds, dialogs, seq, sets};
        parts.phrases[3] = "Good luck!";
        parts.opponents = {"Bob", "", ""};
        return parts;
    }
    static void Type(QWidget* w, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    static void Key(QWidget* w, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }
    static int Row(QListWidget* list, const QString& text) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == text) return i;
        return -1;
    }
};

}  // namespace

TEST_F(ChatWindow, TypedShortcutsGoOutAsEmoticonsAndEchoInTheHistory) {
    FrmChat form(Parts());
    form.show();
    auto* input = Find<QLineEdit>(form, "Text2");
    Type(input, "hello ;-) all");
    Key(input, Qt::Key_Return);
    ASSERT_EQ(link.sent.size(), 1u);
    EXPECT_EQ(link.sent[0], "SY  1#Ann: ICO Wink!hello  all");
    EXPECT_EQ(input->text(), "");
    EXPECT_TRUE(Find<QPlainTextEdit>(form, "Text1")
                    ->toPlainText()
                    .endsWith("Ann: PIC <Wink> hello ;-) all"));
    EXPECT_EQ(Find<QPushButton>(form, "CmdChat_3")->toolTip(), "Good luck!");
}

TEST_F(ChatWindow, MarkupFromAPeerIsShownAsTheTextItIs) {
    FrmChat form(Parts());
    form.show();
    const std::string hostile = "Bob: <b>big</b> <img src=\"x.png\"> <a href=\"http://x\">y</a>";
    form.ShowLine(hostile);
    auto* history = Find<QPlainTextEdit>(form, "Text1");
    EXPECT_EQ(history->document()->lastBlock().text().toStdString(), hostile);
    EXPECT_FALSE(history->document()->toHtml().contains("<img"));

    form.OfferLink("https://example.org/a<b>");
    auto* link = Find<QLabel>(form, "lblLink");
    EXPECT_TRUE(Find<QWidget>(form, "linkBar")->isVisible());
    EXPECT_EQ(link->text(), "https://example.org/a<b>");
    EXPECT_EQ(link->textFormat(), Qt::PlainText);
    SaveRender(form.grab().toImage(), "frm_chat_link");
    Find<QPushButton>(form, "cmdDropLink")->click();
    EXPECT_FALSE(Find<QWidget>(form, "linkBar")->isVisible());
}

TEST_F(ChatWindow, EmoticonFromTheListSitsBesideTheInputUntilBackspaceOrSend) {
    FrmChat form(Parts());
    form.show();
    Find<QPushButton>(form, "cmdIcon")->click();
    auto* icons = Find<QListWidget>(form, "lstIcons");
    EXPECT_TRUE(icons->isVisible());
    EXPECT_EQ(icons->item(0)->text(), "-Select Icon:");
    emit icons->itemClicked(icons->item(Row(icons, "Grinning")));
    EXPECT_FALSE(icons->isVisible());
    EXPECT_TRUE(Find<QLabel>(form, "imgIcon")->isVisible());
    for (int i = 0; i < 3; ++i) form.ShowLine("Bob: line " + std::to_string(i));
    SaveRender(form.grab().toImage(), "frm_chat");
    Key(Find<QLineEdit>(form, "Text2"), Qt::Key_Backspace);
    EXPECT_FALSE(Find<QLabel>(form, "imgIcon")->isVisible());

    Find<QPushButton>(form, "cmdShowSounds")->click();
    auto* wavs = Find<QListWidget>(form, "lstWavs");
    EXPECT_TRUE(wavs->isVisible());
    emit wavs->itemClicked(wavs->item(Row(wavs, "slap")));
    EXPECT_EQ(link.sent.back(), "SY  1#Ann: <SMACK>");
    EXPECT_TRUE(log.Contains("slap.wav"));
}

TEST_F(ChatWindow, SendingWithNobodyLeftClosesTheWindow) {
    FrmChat form(Parts());
    form.show();
    link.context.netConnected = 0;
    Type(Find<QLineEdit>(form, "Text2"), "bye");
    Find<QPushButton>(form, "Command1")->click();
    EXPECT_FALSE(form.isVisible());
}
