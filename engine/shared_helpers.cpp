#include "engine/shared_helpers.h"

#include "platform/file_util.h"
#include "platform/record_file.h"
#include "platform/text_codec.h"

i16 BadFileChars(const std::string& name, Dialogs& dialogs) {
    if (name.find_first_of(kForbiddenFileChars) == std::string::npos) return VbFalse;
    const std::string text = std::string("Please do not use the following characters:  ") + "\n\n" +
                             "/ \\ : * . ? ! < > | " + "\"" + "\n\n" + "Please re-enter.";
    dialogs.MsgBox(text, mb::Exclamation, "Non-standard filename character");
    return VbTrue;
}

i16 BadLetters(const std::string& text, const LetterRefusal& refusal, Dialogs& dialogs) {
    if (KeptInOneByte(text)) return VbFalse;
    dialogs.MsgBox(refusal.text, mb::Exclamation, refusal.title);
    return VbTrue;
}

std::string ReadTextBlock(const std::string& appFolder, int first, int last) {
    std::string out;
    RecordFile file(JoinPath(appFolder, "Data/snack.ade"), 100);
    RecordBuffer rec;
    for (int n = first; n <= last; ++n) {
        if (!file.Read(n, rec)) rec.Clear();
        out += rec.GetText(0, 100) + " ";
    }
    return out;
}
