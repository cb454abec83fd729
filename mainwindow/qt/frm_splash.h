#pragma once
// The splash window shown while the program starts: the table's background picture, the name,
// the version and the notices. A key press or a click on its frame closes it early.
#include <QWidget>

class QFrame;
class QLabel;

class FrmSplash : public QWidget {
    Q_OBJECT
  public:
    // `backgroundPath` is the table picture tiled behind the frame (plain green without it).
    FrmSplash(const QString& backgroundPath, const QString& versionText, QWidget* parent = nullptr);

    QLabel* LblVersion() const { return version_; }
    // The line start-up fills as it goes.
    QLabel* LblStatus() const { return status_; }
    QFrame* Frame1() const { return frame_; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    QPixmap background_;
    QFrame* frame_;
    QLabel* version_;
    QLabel* status_;
};
