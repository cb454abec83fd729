#pragma once
// The drawn menu bar picPanel over the top of the table, and the small picture imgMenu that
// reveals it. Both only draw themselves and report the pointer; the menu controller decides.
#include <QImage>
#include <QWidget>
#include <functional>

class MenuBarPanel : public QWidget {
    Q_OBJECT
  public:
    explicit MenuBarPanel(QWidget* parent);
    void SetWood(bool wood);
    // Lights the title under the pointer (0 none).
    void SetHot(int menu);

    std::function<void(QPoint)> onMove;
    std::function<void(QPoint)> onPress;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;

  private:
    bool wood_ = true;
    int hot_ = 0;
    QImage art_;
};

class MenuReveal : public QWidget {
    Q_OBJECT
  public:
    explicit MenuReveal(QWidget* parent);
    void SetWood(bool wood);
    std::function<void()> onHover;

  protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

  private:
    bool wood_ = true;
};
