#include "screenfit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace {
// Asks for all of its content, not the few lines QScrollArea settles for: the window then opens
// whole where the screen has room and is cut (and scrolls) only where it has not.
class WholeScrollArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const QSize content = widget() ? widget()->sizeHint() : QSize();
        return content + QSize(verticalScrollBar()->sizeHint().width() + 2 * frameWidth(), 2 * frameWidth());
    }
    // A content that grows (a list filled, a panel shown) widens the area and its window.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
    // Never narrower than the content (only the height scrolls), whatever it grows to later.
    QSize minimumSizeHint() const override
    {
        const int width = widget() ? widget()->minimumSizeHint().width() : 0;
        return QSize(width + verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
            QScrollArea::minimumSizeHint().height());
    }
};

QRect &overrideArea()
{
    static QRect area;
    return area;
}
} // namespace

QRect ScreenFit::available(const QWidget *window)
{
    if (!overrideArea().isEmpty())
        return overrideArea();
    QScreen *screen = window && window->window()->windowHandle() ? window->window()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

void ScreenFit::setAvailableArea(const QRect &area)
{
    overrideArea() = area;
}

void ScreenFit::fit(QWidget *window)
{
    const QRect area = available(window);
    // The frame the window manager adds (none before the first show) is kept within the area too.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize room = area.size() - frame;
    const QSize size = window->size().boundedTo(room);
    if (size != window->size())
        window->resize(size);
    QRect placed = window->frameGeometry();
    placed.moveRight(qMin(placed.right(), area.right()));
    placed.moveBottom(qMin(placed.bottom(), area.bottom()));
    placed.moveLeft(qMax(placed.left(), area.left()));
    placed.moveTop(qMax(placed.top(), area.top()));
    if (placed.topLeft() != window->frameGeometry().topLeft())
        window->move(placed.topLeft());
}

QScrollArea *ScreenFit::scrolling(QWidget *content, QWidget *parent)
{
    auto *area = new WholeScrollArea(parent);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(content);
    return area;
}

void ScreenFit::watchApplication()
{
    static ScreenFit *watcher = nullptr;
    if (watcher)
        return;
    watcher = new ScreenFit(qApp);
    qApp->installEventFilter(watcher);
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && !(widget->windowFlags() & (Qt::Popup | Qt::ToolTip)))
            fit(widget);
    }
    return QObject::eventFilter(watched, event);
}
