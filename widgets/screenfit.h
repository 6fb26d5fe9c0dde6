#pragma once

#include <QObject>
#include <QRect>

class QScrollArea;
class QWidget;

// Keeps windows on the screen: no top-level window opens larger than the screen's available area,
// whatever the scale factor, and a dialog whose content is taller than that scrolls instead.
class ScreenFit : public QObject
{
    Q_OBJECT
public:
    // The area a window may take on the screen it is on (the primary screen before it is shown).
    static QRect available(const QWidget *window);
    // Tests set the area of another screen; an empty rectangle returns to the real one.
    static void setAvailableArea(const QRect &area);

    // Cuts the window's size to the available area and moves it inside.
    static void fit(QWidget *window);
    // A frameless scroll area around `content` that shows all of it while there is room.
    static QScrollArea *scrolling(QWidget *content, QWidget *parent);

    // Fits every top-level window as it is shown, for the whole program.
    static void watchApplication();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
