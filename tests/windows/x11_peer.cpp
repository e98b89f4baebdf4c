// The other X11 program of the real-window check under wine, as a Linux file manager or editor
// would be beside the Windows program:
//   x11_peer drag <file>...   a window that, when pressed, drags the files (XDND,
//                             text/uri-list) and says on its output whether they were dropped;
//   x11_peer clipboard        prints the clipboard's text.

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls) : urls_(std::move(urls)) {
        setWindowTitle(QStringLiteral("drag source"));
        resize(120, 80);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* data = new QMimeData;
        data->setUrls(urls_);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const bool dropped = drag->exec(Qt::CopyAction) == Qt::CopyAction;
        std::puts(dropped ? "dropped" : "not dropped");
        std::fflush(stdout);
    }

private:
    QList<QUrl> urls_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "clipboard") == 0) {
        std::fputs(QGuiApplication::clipboard()->text().toUtf8().constData(), stdout);
        return 0;
    }
    if (argc < 3 || std::strcmp(argv[1], "drag") != 0) {
        std::fputs("usage: x11_peer drag <file>... | x11_peer clipboard\n", stderr);
        return 2;
    }
    QList<QUrl> urls;
    for (int i = 2; i < argc; ++i) urls << QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i]));
    DragSource source(urls);
    source.show();
    return application.exec();
}
