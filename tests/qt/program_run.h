#pragma once
// One run of the whole program as main() starts it, on a program folder that outlives the run,
// with its modal windows answered as they come: every message box is noted (title and text) and
// answered with its default button; a window with an answer set for its object name gets that
// answer; any other dialog is cancelled.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/qt/app_root.h"
#include "platform/qt/desktop.h"

class ProgramRun {
  public:
    using Answer = std::function<void(QWidget*)>;
    struct Box {
        std::string title, text;
    };

    ProgramRun() { Next(); }
    ~ProgramRun() {
        Close();
        *alive_ = false;
    }

    void OnWindow(const QString& name, Answer answer) { answers_[name] = std::move(answer); }

    bool Start(const std::string& folder) {
        root = std::make_unique<AppRoot>(folder);
        const bool started = root->Start({}, StagedProgramFolder());
        QApplication::processEvents();
        return started;
    }
    // Closed as the player closes it.
    void Close() {
        if (!root) return;
        root->Window().close();
        for (int i = 0; i < 400 && root->Window().isVisible(); ++i) QTest::qWait(5);
        root.reset();
        QApplication::processEvents();
    }
    // The boxes whose text holds `part`.
    int BoxesWith(const std::string& part) const {
        int n = 0;
        for (const Box& b : boxes) n += b.text.find(part) != std::string::npos;
        return n;
    }

    std::unique_ptr<AppRoot> root;
    std::vector<Box> boxes;

  private:
    // A timer of its own for each tick, armed before the window is answered: an answer that
    // opens a nested modal loop still has the next window answered.
    void Next() {
        QTimer::singleShot(5, [this, alive = alive_] {
            if (*alive) Tick();
        });
    }
    void Tick() {
        Next();
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == busy_) return;
        busy_ = modal;
        auto answer = answers_.find(modal->objectName());
        if (answer != answers_.end()) {
            answer->second(modal);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
            QAbstractButton* b = box->defaultButton();
            if (!b) b = box->buttons().value(0);
            if (b) b->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        busy_ = nullptr;
    }

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    QWidget* busy_ = nullptr;
    std::map<QString, ProgramRun::Answer> answers_;
};
