#pragma once
// The help window: the program's own help pages in a browser with Contents, Back, Forward and
// Close. It stays open beside the game; asking for another topic brings it forward there.
#include <QDialog>
#include <string>
#include <vector>

class QTextBrowser;

class FrmHelp : public QDialog {
    Q_OBJECT
  public:
    // `folders`: where the pages are looked for, first found first.
    FrmHelp(std::vector<std::string> folders, QWidget* parent = nullptr);

    // Shows the page of `topic` ("" the contents) and brings the window forward.
    void ShowTopic(const std::string& topic);
    QTextBrowser* Browser() const { return txtHelp_; }

  private:
    QString FolderWith(const std::string& page) const;
    void FollowModality();

    std::vector<std::string> folders_;
    QTextBrowser* txtHelp_;
};
