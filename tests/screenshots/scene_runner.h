#pragma once
// Plays a scene's steps against the windows the program opens: watches every
// dialog window that is shown (an application-wide event filter), waits until
// the window a step names has been drawn, saves its picture and acts on it.

#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <string>
#include <vector>

#include "tests/screenshots/scenes.h"

class QWidget;

namespace qor::screenshots {

class SceneRunner : public QObject {
    Q_OBJECT
  public:
    /// Pictures go to folder as <name>.png; choose_file paths are relative to
    /// package_root (a native path).
    SceneRunner(QString folder, std::string package_root);
    ~SceneRunner() override;

    /// Starts playing the scene; the program's window loop runs after this.
    void start(const Scene& scene);
    /// Stops playing once the window loop has ended. True when every step was
    /// done and every picture saved; otherwise the failures were reported on
    /// standard error.
    bool finish();

    /// The pictures saved so far (file names).
    const QStringList& pictures() const { return pictures_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void poll();
    QWidget* ready_window(const QString& name) const;
    bool settled(const QWidget* window) const;
    void perform(const Step& step, QWidget* window);
    /// Does the action; returns what went wrong, or nothing.
    QString act(QWidget* window, const Action& action);
    void handle_unscripted(QWidget* window);
    bool save_picture(QWidget* window, const QString& name);
    bool save_picture(const QPixmap& picture, const QString& name);
    /// Reports a failure of the step awaited now and ends the scene.
    void fail(const QString& what);
    void report(int step, const QString& window, const QString& what);

    QString folder_;
    std::string package_root_;
    QTimer poll_timer_;
    QElapsedTimer clock_;
    std::string scene_;
    std::deque<Step> steps_;
    std::vector<Passing> passing_;
    int step_number_ = 0;
    qint64 step_since_ = 0;
    qint64 last_action_ = 0;
    bool failed_ = false;
    QStringList pictures_;
};

}  // namespace qor::screenshots
