#include "platform/qt/qt_sounds.h"

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

QtSounds::QtSounds() {
    haveDevice_ = !QMediaDevices::audioOutputs().isEmpty();
}

QtSounds::~QtSounds() = default;

void QtSounds::PlaySound(const std::string& path, bool wait) {
    if (!haveDevice_) return;
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile()) return;
    // Finished effects are dropped here rather than in a signal handler, which keeps playback
    // free of object-lifetime races.
    std::erase_if(playing_, [](const auto& e) {
        return !e->isPlaying() && e->status() != QSoundEffect::Loading;
    });
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
    QSoundEffect* raw = effect.get();
    playing_.push_back(std::move(effect));
    if (!wait) return;
    QEventLoop loop;
    QObject::connect(raw, &QSoundEffect::playingChanged, &loop, [&] {
        if (!raw->isPlaying()) loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);  // never hang on a broken device
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtSounds::Beep() {
    QApplication::beep();
}
