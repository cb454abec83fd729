// The yardstick of the start-up measurement (scripts/measure_startup.sh): the least a Qt program
// does to show a window of the main window's size, reporting when it first shows as the main
// window does.
#include <QApplication>
#include <QDateTime>
#include <QWidget>
#include <cstdio>

class BareWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        if (reported_) return;
        reported_ = true;
        std::fprintf(stderr, "shown %lld\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    }

  private:
    bool reported_ = false;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowTitle("Bare Qt window");
    window.resize(1024, 570);
    window.show();
    return app.exec();
}
