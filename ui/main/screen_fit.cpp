#include "ui/main/screen_fit.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "core/window_size.h"

namespace lumitrak {
namespace {

// Fits the window when it is shown, taken to another screen, or framed anew: its frame is known
// only once the window manager has framed it.
class ScreenFit : public QObject {
public:
    ScreenFit(QWidget* form, QWidget* client, QScrollArea* scroller)
        : QObject(form), form_(form), client_(client), scroller_(scroller) {
        form->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
                if (!screenWatched_ && form_->windowHandle()) {
                    screenWatched_ = true;
                    connect(form_->windowHandle(), &QWindow::screenChanged, this, &ScreenFit::fit);
                }
                fit();
                break;
            case QEvent::Move:
            case QEvent::Resize:
                if (frameMargins() != fittedWith_) fit();
                break;
            default: break;
        }
        return false;
    }

private:
    // Before the window is framed, room for a title bar as tall as most desktops draw it.
    QMargins frameMargins() const {
        const QWindow* window = form_->windowHandle();
        const QMargins frame = window ? window->frameMargins() : QMargins();
        return frame.isNull() ? QMargins(4, 40, 4, 4) : frame;
    }

    void fit() {
        const QScreen* screen = form_->screen();
        // While the window is destroyed its layout may already be gone.
        if (!screen || !client_ || !scroller_) return;
        fittedWith_ = frameMargins();
        const QRect available = screen->availableGeometry();
        const QSize room = available.size().shrunkBy(fittedWith_).expandedTo(QSize(1, 1));
        const int bar =
            scroller_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
        const PixelSize fitted = fittedWindowSize({client_->width(), client_->height()},
                                                  {room.width(), room.height()}, bar);
        const QSize size(fitted.width, fitted.height);
        if (form_->minimumSize() != size || form_->maximumSize() != size) form_->setFixedSize(size);
        if (!form_->isVisible()) return;
        // A window placed partly off the screen is moved back onto it.
        const QRect frame = form_->frameGeometry();
        const int left =
            std::clamp(frame.left(), available.left(),
                       std::max(available.left(), available.right() + 1 - frame.width()));
        const int top =
            std::clamp(frame.top(), available.top(),
                       std::max(available.top(), available.bottom() + 1 - frame.height()));
        if (QPoint(left, top) != frame.topLeft()) form_->move(left, top);
    }

    QWidget* form_;
    QPointer<QWidget> client_;
    QPointer<QScrollArea> scroller_;
    QMargins fittedWith_;
    bool screenWatched_ = false;
};

}  // namespace

void keepOnScreen(QWidget* form, QWidget* client, QScrollArea* scroller) {
    new ScreenFit(form, client, scroller);
}

}  // namespace lumitrak
