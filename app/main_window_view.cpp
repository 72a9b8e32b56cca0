#include "app/main_window_view.h"

#include <QApplication>
#include <QMainWindow>
#include <QEventLoop>
#include <QCloseEvent>

namespace qor {

namespace {

class MainWindow : public QMainWindow {
public:
    QEventLoop* loop = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (loop != nullptr) loop->quit();
        event->accept();
    }
};

}  // namespace

int SCREEN(Session& session, const Text<6>& model, const Text<8>&, const Text<20>& sub) {
    session.paths.NewFileChosen = 0;
    MainWindow window;
    window.setObjectName("SCREEN");
    std::string caption = "QOR_PLOT - " + model.str() + "Plot Area Coverage data input - " +
                          std::string(sub.trimmed());
    window.setWindowTitle(QString::fromLatin1(caption.c_str()));
    window.resize(800, 600);
    QEventLoop loop;
    window.loop = &loop;
    window.show();
    loop.exec();
    return session.paths.NewFileChosen != 0 ? 1 : 0;
}

}  // namespace qor
